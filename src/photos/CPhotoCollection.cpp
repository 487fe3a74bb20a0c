#include "photos/CPhotoCollection.h"

QString CPhotoCollection::pathOf(int index) const
{
    return index >= 0 && index < count() ? m_paths[index] : QString();
}

bool CPhotoCollection::append(const QString& path)
{
    if (count() >= kCapacity)
        return false;
    m_paths.append(path);
    return true;
}

void CPhotoCollection::releaseAll()
{
    while (!m_paths.isEmpty())
        m_paths.removeLast();
}
