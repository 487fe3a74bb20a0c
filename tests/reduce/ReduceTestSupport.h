#pragma once
// Helpers of the reduction's tests: test photos, a home folder of the test's
// own (step 2 creates the dated output folder under it), and waiting on a
// condition while the GUI thread serves the worker.
#include <QDir>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <functional>

namespace reducetest {

// Writes a w x h JPEG photo of a colour pattern; false when it failed.
bool writePhoto(const QString& path, int width, int height, int quality = 90);

// The size in the photo's header; -1 x -1 when it cannot be read.
QSize photoSize(const QString& path);

QByteArray fileBytes(const QString& path);

// Runs the GUI thread's events until done() holds; false when it did not
// within a generous bound (a hung worker fails the test instead of hanging it).
bool processEventsUntil(const std::function<bool()>& done);

// Points HOME at a fresh folder for the life of the object.
class ScopedHome
{
public:
    ScopedHome();
    ~ScopedHome();
    ScopedHome(const ScopedHome&) = delete;
    ScopedHome& operator=(const ScopedHome&) = delete;

    QString path() const { return m_folder.path(); }
    // home + "/Photos" + "/" + today.
    QString datedFolder() const;

private:
    QTemporaryDir m_folder;
    QByteArray m_previous;
};

} // namespace reducetest
