#include "core/shell/recent_files.h"

#include "core/platform/prompt.h"
#include "core/platform/settings_store.h"
#include "core/shell/document_types.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace orvane {

namespace {

std::string valueName(size_t index) {
    return kRecentFileValue + std::to_string(index + 1);
}

} // namespace

void RecentFileList::Add(const std::string& path) {
    if (path.empty()) return;
    std::erase(m_files, path);
    m_files.insert(m_files.begin(), path);
    if (m_files.size() > kRecentFileCount) m_files.resize(kRecentFileCount);
}

void RecentFileList::Remove(size_t index) {
    if (index < m_files.size()) m_files.erase(m_files.begin() + static_cast<ptrdiff_t>(index));
}

void RecentFileList::Load(const SettingsStore& store) {
    m_files.clear();
    for (size_t i = 0; i < kRecentFileCount; ++i) {
        const std::string path = store.readText(kRecentFileSection, valueName(i), "");
        if (!path.empty() && std::find(m_files.begin(), m_files.end(), path) == m_files.end())
            m_files.push_back(path);
    }
}

void RecentFileList::Save(SettingsStore& store) const {
    for (size_t i = 0; i < kRecentFileCount; ++i)
        store.writeText(kRecentFileSection, valueName(i), i < m_files.size() ? m_files[i] : "");
}

bool OpenRecentFile(DocumentTypes& types, RecentFileList& recent, size_t index) {
    if (index >= recent.Files().size()) return false;
    const std::string path = recent.Files()[index];
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        tellFailure(path, kRecentFileGone);
        recent.Remove(index);
        return false;
    }
    if (types.OpenDocumentFile(path)) return true;
    if (types.LastOpenCancelled()) return false; // the entry stays
    // It may have been put first meanwhile; the failed path goes wherever it is.
    const auto& files = recent.Files();
    if (auto it = std::find(files.begin(), files.end(), path); it != files.end())
        recent.Remove(static_cast<size_t>(it - files.begin()));
    return false;
}

} // namespace orvane
