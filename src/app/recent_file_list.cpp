#include "app/recent_file_list.h"

#include <QFile>
#include <QSettings>

#include <algorithm>

namespace {

QSettings OpenStore() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Tandrel", "Vexlume");
}

QString KeyFor(int index) { return QStringLiteral("File%1").arg(index + 1); }

}  // namespace

void RecentFileList::ReadList() {
    m_entries.clear();
    QSettings store = OpenStore();
    store.beginGroup("Recent File List");
    for (int i = 0; i < kMaxEntries; ++i) {
        QString value = store.value(KeyFor(i)).toString();
        if (value.isEmpty()) continue;
        std::string path = QFile::encodeName(value).toStdString();
        if (std::find(m_entries.begin(), m_entries.end(), path) == m_entries.end())
            m_entries.push_back(path);
    }
}

void RecentFileList::WriteList() const {
    QSettings store = OpenStore();
    store.beginGroup("Recent File List");
    for (int i = 0; i < kMaxEntries; ++i) {
        if (static_cast<std::size_t>(i) < m_entries.size())
            store.setValue(KeyFor(i), QFile::decodeName(QByteArray::fromStdString(m_entries[i])));
        else
            store.remove(KeyFor(i));
    }
    store.endGroup();
    store.sync();
}

void RecentFileList::Add(const std::string& fullPath) {
    m_entries.erase(std::remove(m_entries.begin(), m_entries.end(), fullPath), m_entries.end());
    m_entries.insert(m_entries.begin(), fullPath);
    if (m_entries.size() > static_cast<std::size_t>(kMaxEntries)) m_entries.resize(kMaxEntries);
}

void RecentFileList::Remove(std::size_t index) {
    if (index < m_entries.size()) m_entries.erase(m_entries.begin() + static_cast<long>(index));
}

std::string RecentFileList::DisplayName(const std::string& fullPath, const std::string& currentDir,
                                        std::size_t maxLength) {
    std::string::size_type slash = fullPath.find_last_of('/');
    std::string folder = slash == std::string::npos ? std::string() : fullPath.substr(0, slash);
    std::string name = slash == std::string::npos ? fullPath : fullPath.substr(slash + 1);
    if (!currentDir.empty() && folder == currentDir) return name.substr(0, maxLength);
    if (fullPath.size() <= maxLength) return fullPath;
    if (name.size() + 5 > maxLength) return name.substr(0, maxLength);

    // Keep the first folder and as many of the last folders as fit, with
    // "..." in between.
    std::string::size_type firstEnd = fullPath.find('/', 1);
    std::string head = firstEnd == std::string::npos ? std::string() : fullPath.substr(0, firstEnd);
    std::string tail = "/" + name;
    std::string::size_type cut = slash;
    for (;;) {
        if (cut == 0 || cut == std::string::npos) break;
        std::string::size_type prev = fullPath.find_last_of('/', cut - 1);
        if (prev == std::string::npos || prev < firstEnd) break;
        std::string longer = fullPath.substr(prev, fullPath.size() - prev);
        if (head.size() + 4 + longer.size() > maxLength) break;
        tail = longer;
        cut = prev;
    }
    std::string shortened = head + "/..." + tail;
    if (shortened.size() > maxLength) shortened = "..." + tail;
    return shortened.substr(0, maxLength);
}
