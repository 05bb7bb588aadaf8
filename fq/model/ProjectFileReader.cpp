// TSFProjectManager::Load: the project file into the model.
//
// Reading is positional, as the file has always been read: every child of
// the document element is a project, a project's tasks are in its first
// child, and a task's folders and files are in its first or second child.
#include <pugixml.hpp>

#include <algorithm>
#include <cstring>

#include "DateTime.h"
#include "fileattributes.h"
#include "fileio.h"
#include "integertext.h"
#include "uProject.h"

namespace fq {
namespace {

// Comments and processing instructions count as nodes (a comment among the
// projects is a project); text of blanks only between elements does not.
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_comments | pugi::parse_pi;

bool IsNamed(const pugi::xml_node& node, const char* name) { return std::strcmp(node.name(), name) == 0; }

// The attributes of one element, looked up by name. They are asked for in the
// order the writer puts them, so each search starts after the one found
// last instead of at the first attribute.
class Attributes {
public:
    explicit Attributes(const pugi::xml_node& element) : element_(element), hint_(element.first_attribute()) {}

    pugi::xml_attribute Find(const char* name) { return element_.attribute(name, hint_); }
    const pugi::xml_node& Element() const { return element_; }

private:
    pugi::xml_node element_;
    pugi::xml_attribute hint_;
};

class ProjectFileReader {
public:
    explicit ProjectFileReader(const std::string& fileName) : fileName_(fileName) {}

    void ReadInto(TSFProjectCollection& projects) {
        platform::FileBytes contents;
        try {
            contents = platform::ReadFileBytes(fileName_);
        } catch (const platform::FileError& error) {
            throw ProjectFileError(error.what());
        }
        pugi::xml_document document;
        const pugi::xml_parse_result parsed =
            document.load_buffer_inplace(contents.data.get(), contents.size, kParseOptions);
        if (!parsed) Fail(parsed.offset, parsed.description());
        pugi::xml_node root = document.document_element();
        for (pugi::xml_node node = root.first_child(); node;) {
            TSFProject& project = projects.Add();
            project.Initialize();
            ReadProject(node, project);
            const pugi::xml_node next = node.next_sibling();
            ReleaseWhenShallow(root, node);
            node = next;
        }
    }

private:
    void ReadProject(const pugi::xml_node& node, TSFProject& project) {
        project.Tasks.Clear();
        if (!IsNamed(node, "Project")) return;
        Attributes attributes(node);
        TakeText(attributes, "ID", project.ID);
        TakeText(attributes, "ProjectName", project.ProjectName);
        TakeInteger(attributes, "Priority", project.Priority);
        if (pugi::xml_attribute start = attributes.Find("StartDate"); start && !TextToDateTime(start.value(), project.StartDate))
            project.StartDate = Now();
        TakeText(attributes, "Description", project.Description);

        const pugi::xml_node tasks = node.first_child();
        if (!tasks || !IsNamed(tasks, "Tasks")) return;
        for (pugi::xml_node child : tasks.children("Task")) {
            TSFTask& task = project.Tasks.Add();
            task.Initialize();
            ReadTask(child, task);
        }
    }

    void ReadTask(const pugi::xml_node& node, TSFTask& task) {
        task.Folders.Clear();
        task.Files.clear();
        Attributes attributes(node);
        TakeText(attributes, "ID", task.ID);
        TakeText(attributes, "TaskName", task.TaskName);
        TakeText(attributes, "ProjectID", task.ProjectID);
        TakeInteger(attributes, "Priority", task.Priority);
        TakeInteger(attributes, "Progress", task.Progress);
        ReadTaskDates(attributes, task);
        TakeText(attributes, "Description", task.Description);
        TakeText(attributes, "ParentID", task.ParentID);

        const pugi::xml_node first = node.first_child();
        if (!first) return;
        const pugi::xml_node folders = IsNamed(first, "Folders") ? first : SecondChild(node);
        for (pugi::xml_node child : folders.children("Folder")) {
            TSFFolder& folder = task.Folders.Add();
            folder.Initialize();
            ReadFolder(child, folder);
        }
        const pugi::xml_node files = IsNamed(first, "Files") ? first : SecondChild(node);
        for (pugi::xml_node child : files.children("File")) task.Files.emplace_back(child.attribute("FileName").value());
    }

    // Both dates are reset together when either does not read.
    static void ReadTaskDates(Attributes& attributes, TSFTask& task) {
        bool readable = true;
        if (pugi::xml_attribute start = attributes.Find("StartDate")) readable = TextToDateTime(start.value(), task.StartDate);
        if (pugi::xml_attribute end = attributes.Find("EndDate"); readable && end)
            readable = TextToDateTime(end.value(), task.EndDate);
        if (!readable) {
            task.StartDate = Now();
            task.EndDate = Now() + 1.0;
        }
    }

    // The folder's own file list: entries with a FileName directly in the
    // Folder element, and those of a Files element in it, which is where the
    // list is written.
    static void ReadFolder(const pugi::xml_node& node, TSFFolder& folder) {
        folder.Files.clear();
        Attributes attributes(node);
        TakeText(attributes, "ID", folder.ID);
        TakeText(attributes, "Name", folder.Name);
        TakeText(attributes, "Path", folder.Path);
        TakeText(attributes, "TaskID", folder.TaskID);
        TakeText(attributes, "ParentID", folder.ParentID);
        for (pugi::xml_node child : node.children()) {
            if (pugi::xml_attribute name = child.attribute("FileName")) {
                folder.Files.emplace_back(name.value());
            } else if (IsNamed(child, "Files")) {
                for (pugi::xml_node file : child.children("File")) folder.Files.emplace_back(file.attribute("FileName").value());
            }
        }
    }

    // A project's part of the document is not needed once it has been read:
    // giving its memory back lets the plan's texts reuse it, so that the
    // file, its whole document and the plan are never all held at once.
    // pugixml frees a subtree recursively, so a deeply nested one (only a
    // hand-made file has them) stays until the document goes.
    static void ReleaseWhenShallow(pugi::xml_node root, const pugi::xml_node& node) {
        constexpr int kShallow = 64;
        int depth = 0;
        for (pugi::xml_node walk = node; walk && depth <= kShallow;) {
            if (walk.first_child()) {
                walk = walk.first_child();
                ++depth;
                continue;
            }
            while (walk != node && !walk.next_sibling()) {
                walk = walk.parent();
                --depth;
            }
            if (walk == node) break;
            walk = walk.next_sibling();
        }
        if (depth <= kShallow) root.remove_child(node);
    }

    pugi::xml_node SecondChild(const pugi::xml_node& task) const {
        const pugi::xml_node second = task.first_child().next_sibling();
        if (!second)
            Fail(task.offset_debug(),
                 "a Task element with child nodes needs two of them, its Folders and its Files, but this one has one");
        return second;
    }

    static void TakeText(Attributes& attributes, const char* name, std::string& field) {
        if (pugi::xml_attribute attribute = attributes.Find(name)) field = attribute.value();
    }

    void TakeInteger(Attributes& attributes, const char* name, int& field) const {
        pugi::xml_attribute attribute = attributes.Find(name);
        if (!attribute) return;
        if (!platform::TryTextToInt(attribute.value(), field))
            Fail(attributes.Element().offset_debug(), std::string("'") + attribute.value() +
                                                          "' is not a valid integer value (attribute " + name + " of a " +
                                                          attributes.Element().name() + " element)");
    }

    [[noreturn]] void Fail(std::ptrdiff_t offset, const std::string& what) const {
        throw ProjectFileError(fileName_ + Position(offset) + ": " + what);
    }

    // "line L, column C" of a byte offset. The parsed buffer was changed in
    // place, so the file is read again; errors are rare.
    std::string Position(std::ptrdiff_t offset) const {
        if (offset < 0) return {};
        std::string_view contents;
        platform::FileBytes bytes;
        try {
            bytes = platform::ReadFileBytes(fileName_);
            contents = bytes.View();
        } catch (const platform::FileError&) {
            return {};
        }
        const auto end = contents.begin() + std::min<std::ptrdiff_t>(offset, static_cast<std::ptrdiff_t>(contents.size()));
        const auto line = 1 + std::count(contents.begin(), end, '\n');
        const auto lineStart = std::find(std::make_reverse_iterator(end), contents.rend(), '\n').base();
        return ", line " + std::to_string(line) + ", column " + std::to_string(end - lineStart + 1);
    }

    std::string fileName_;
};

}  // namespace

void TSFProjectManager::Load() {
    if (!platform::PathExists(FileName)) return;
    Projects.Clear();
    ProjectFileReader(FileName).ReadInto(Projects);
}

}  // namespace fq
