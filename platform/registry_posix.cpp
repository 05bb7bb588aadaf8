#include "fileio.h"
#include "inidocument.h"
#include "registry.h"
#include "xdgfolders_posix.h"

namespace platform {
namespace {

const char kRoot[] = "HKEY_CURRENT_USER\\";

std::string RegistryFolder() {
    const std::string config = posix::XdgFolder("XDG_CONFIG_HOME", ".config");
    return config.empty() ? std::string() : config + "/Fennquill";
}

std::string RegistryFile() {
    const std::string folder = RegistryFolder();
    return folder.empty() ? std::string() : folder + "/registry.ini";
}

// The ini value that reads back as text: blanks around it and a pair of
// quotes around it would otherwise be taken off.
std::string Quoted(const std::string& text) {
    const bool blankAround = !text.empty() && (text.front() == ' ' || text.front() == '\t' || text.back() == ' ' || text.back() == '\t');
    const bool quotedAlready = text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
    return blankAround || quotedAlready ? '"' + text + '"' : text;
}

bool Save(const IniDocument& document) {
    if (!posix::MakeFolders(RegistryFolder())) return false;
    try {
        AtomicFileWriter writer(RegistryFile());
        const std::string text = document.Text();
        writer.Write(text.data(), text.size());
        writer.Commit();
        return true;
    } catch (const FileError&) {
        return false;
    }
}

}  // namespace

RegistryKey::RegistryKey(const std::string& path, Opening opening) : path_(kRoot + path) {
    const std::string file = RegistryFile();
    if (file.empty()) return;
    std::optional<IniDocument> document = IniDocument::Load(file);
    if (!document) return;
    if (document->HasSection(path_)) {
        open_ = true;
    } else if (opening == Opening::CreateIfMissing) {
        document->AddSection(path_);
        open_ = Save(*document);
    }
}

RegistryKey::~RegistryKey() = default;

bool RegistryKey::IsOpen() const { return open_; }

// Every value of the file is a string.
RegistryKey::ValueType RegistryKey::TypeOf(const std::string& name) const {
    if (!open_) return ValueType::Missing;
    const std::optional<IniDocument> document = IniDocument::Load(RegistryFile());
    return document && document->Value(path_, name) ? ValueType::String : ValueType::Missing;
}

std::string RegistryKey::ReadString(const std::string& name) const {
    if (!open_) return {};
    const std::optional<IniDocument> document = IniDocument::Load(RegistryFile());
    return document ? document->Value(path_, name).value_or("") : std::string();
}

bool RegistryKey::WriteString(const std::string& name, const std::string& text) {
    if (!open_) return false;
    std::optional<IniDocument> document = IniDocument::Load(RegistryFile());
    if (!document) return false;
    document->SetValue(path_, name, Quoted(text));
    return Save(*document);
}

}  // namespace platform
