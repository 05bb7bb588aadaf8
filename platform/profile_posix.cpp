#include "fileattributes.h"
#include "fileio.h"
#include "inidocument.h"
#include "profile.h"

namespace platform {
namespace {

// Writes the edited document back in one step; a read-only file is not
// written, as the profile functions refuse it.
template <class Edit>
bool EditProfile(const std::string& file, Edit edit) {
    const unsigned attributes = GetFileAttributesOf(file);
    if (attributes != kInvalidAttributes && (attributes & (kAttributeReadOnly | kAttributeDirectory)) != 0) return false;
    std::optional<IniDocument> document = IniDocument::Load(file);
    if (!document) return false;
    if (!edit(*document)) return true;
    try {
        AtomicFileWriter writer(file);
        const std::string text = document->Text();
        writer.Write(text.data(), text.size());
        writer.Commit();
        return true;
    } catch (const FileError&) {
        return false;
    }
}

IniDocument LoadedOrEmpty(const std::string& file) { return IniDocument::Load(file).value_or(IniDocument()); }

}  // namespace

std::string ReadProfileValue(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& defaultValue) {
    return LoadedOrEmpty(file).Value(section, key).value_or(defaultValue);
}

bool WriteProfileValue(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& value) {
    return EditProfile(file, [&](IniDocument& document) {
        document.SetValue(section, key, value);
        return true;
    });
}

bool DeleteProfileKey(const std::string& file, const std::string& section, const std::string& key) {
    return EditProfile(file, [&](IniDocument& document) { return document.RemoveKey(section, key); });
}

bool DeleteProfileSection(const std::string& file, const std::string& section) {
    return EditProfile(file, [&](IniDocument& document) { return document.RemoveSection(section); });
}

bool ProfileHasSection(const std::string& file, const std::string& section) {
    return LoadedOrEmpty(file).HasSection(section);
}

std::vector<std::string> ProfileKeyNames(const std::string& file, const std::string& section) {
    return LoadedOrEmpty(file).KeyNames(section);
}

bool ProfileIsBlank(const std::string& file) { return LoadedOrEmpty(file).IsBlank(); }

}  // namespace platform
