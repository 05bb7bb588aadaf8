// TSFProjectManager::Save: the whole model into the project file.
//
// The document is indented by two blanks per level with CR LF line ends and
// has no XML declaration. Line breaks and tabs inside attribute values are
// written as character references, so multi-line descriptions read back as
// they were.
#include <pugixml.hpp>

#include <cstring>
#include <exception>
#include <vector>

#include "DateTime.h"
#include "fileio.h"
#include "uProject.h"

namespace fq {
namespace {

// Hands pugixml's output to the file, turning its line ends into CR LF. Every
// LF it writes ends a line: inside attribute values line breaks are escaped.
class CrLfFileWriter : public pugi::xml_writer {
public:
    explicit CrLfFileWriter(platform::AtomicFileWriter& file) : file_(file) {}

    void write(const void* data, std::size_t size) override {
        if (failure_) return;
        try {
            WriteWithCrLf(static_cast<const char*>(data), size);
        } catch (...) {
            failure_ = std::current_exception();  // raised again once pugixml is done
        }
    }

    void RethrowFailure() const {
        if (failure_) std::rethrow_exception(failure_);
    }

private:
    void WriteWithCrLf(const char* text, std::size_t size) {
        const char* const end = text + size;
        while (text < end) {
            const char* lineEnd = static_cast<const char*>(std::memchr(text, '\n', static_cast<std::size_t>(end - text)));
            if (lineEnd == nullptr) {
                file_.Write(text, static_cast<std::size_t>(end - text));
                return;
            }
            file_.Write(text, static_cast<std::size_t>(lineEnd - text));
            file_.Write("\r\n", 2);
            text = lineEnd + 1;
        }
    }

    platform::AtomicFileWriter& file_;
    std::exception_ptr failure_;
};

// pugi::xml_node is a handle: passing it by value still writes the document.
void Put(pugi::xml_node element, const char* name, const std::string& value) {
    element.append_attribute(name).set_value(value.c_str(), value.size());
}

void Put(pugi::xml_node element, const char* name, int value) { element.append_attribute(name).set_value(value); }

void WriteFiles(pugi::xml_node parent, const std::vector<std::string>& files) {
    pugi::xml_node element = parent.append_child("Files");
    for (const std::string& file : files) Put(element.append_child("File"), "FileName", file);
}

void WriteFolder(pugi::xml_node folders, const TSFFolder& folder) {
    pugi::xml_node element = folders.append_child("Folder");
    Put(element, "ID", folder.ID);
    Put(element, "Name", folder.Name);
    Put(element, "Path", folder.Path);
    Put(element, "TaskID", folder.TaskID);
    Put(element, "ParentID", folder.ParentID);
    WriteFiles(element, folder.Files);
}

void WriteTask(pugi::xml_node tasks, const TSFTask& task) {
    pugi::xml_node element = tasks.append_child("Task");
    Put(element, "ID", task.ID);
    Put(element, "TaskName", task.TaskName);
    Put(element, "ProjectID", task.ProjectID);
    Put(element, "Priority", task.Priority);
    Put(element, "Progress", task.Progress);
    Put(element, "StartDate", DateTimeToText(task.StartDate));
    Put(element, "EndDate", DateTimeToText(task.EndDate));
    Put(element, "Description", task.Description);
    Put(element, "AssignedTo", "-1");
    Put(element, "ParentID", task.ParentID);
    pugi::xml_node folders = element.append_child("Folders");
    for (int i = 0; i < task.Folders.Count(); ++i) WriteFolder(folders, task.Folders.Items(i));
    WriteFiles(element, task.Files);
}

void WriteProject(pugi::xml_node projects, const TSFProject& project) {
    pugi::xml_node element = projects.append_child("Project");
    Put(element, "ID", project.ID);
    Put(element, "ProjectName", project.ProjectName);
    Put(element, "Priority", project.Priority);
    Put(element, "StartDate", DateTimeToText(project.StartDate));
    Put(element, "EndDate", DateTimeToText(project.ProjectEndDate()));
    Put(element, "Description", project.Description);
    pugi::xml_node tasks = element.append_child("Tasks");
    for (int i = 0; i < project.Tasks.Count(); ++i) WriteTask(tasks, project.Tasks.Items(i));
}

}  // namespace

void TSFProjectManager::Save() {
    pugi::xml_document document;
    pugi::xml_node projects = document.append_child("Projects");
    for (int i = 0; i < Projects.Count(); ++i) WriteProject(projects, Projects.Items(i));

    platform::AtomicFileWriter file(FileName);
    CrLfFileWriter writer(file);
    document.save(writer, "  ", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
    writer.RethrowFailure();
    file.Commit();
}

}  // namespace fq
