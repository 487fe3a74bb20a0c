#pragma once
#include <QString>
#include <QStringList>

// The photos loaded in this run, in list order, at most 1000.
// For now it holds only each photo's full path: enough for the photo count of
// the status bar and the file that Run and Print opens. The collection proper
// (file-list rows with their CPhotoImage objects, append, remove, selection
// sync) replaces this class. Changed on the GUI thread only.
class CPhotoCollection
{
public:
    static constexpr int kCapacity = 1000;

    int count() const { return static_cast<int>(m_paths.size()); }
    // Full path of photo index; empty outside 0 ... count - 1.
    QString pathOf(int index) const;
    // false when the collection is full.
    bool append(const QString& path);
    // Releases every photo, the last one first.
    void releaseAll();

private:
    QStringList m_paths;
};
