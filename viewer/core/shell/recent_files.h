// The recent-file list of the File menu: the last files opened (and trace
// lists saved under a new name), newest first, kept in the settings as
// "File1".."File9" of the "Recent File List" section.
#pragma once

#include <string>
#include <vector>

namespace orvane {

class DocumentTypes;
class SettingsStore;

inline constexpr size_t kRecentFileCount = 9;
inline constexpr char kRecentFileSection[] = "Recent File List";
// The values are this and the entry's number from 1: "File1".
inline constexpr char kRecentFileValue[] = "File";
inline constexpr char kRecentFileGone[] =
    "This file no longer exists. It was removed from the recent-file list.";

class RecentFileList {
public:
    // Puts the path first; an entry for the same path moves up, the oldest
    // beyond the room drops off.
    void Add(const std::string& path);
    void Remove(size_t index);
    const std::vector<std::string>& Files() const { return m_files; }

    // Empty and missing values are skipped, and so are repeats.
    void Load(const SettingsStore& store);
    // Every value is written; those past the list's end are emptied.
    void Save(SettingsStore& store) const;

private:
    std::vector<std::string> m_files;
};

// File / 1..9: opens the entry through the document types. A file that is
// gone is told and taken off the list without touching the current trace
// list; one that fails to open (the document told why) is taken off too.
// A list file whose open the user cancelled (the current list's question)
// stays.
bool OpenRecentFile(DocumentTypes& types, RecentFileList& recent, size_t index);

} // namespace orvane
