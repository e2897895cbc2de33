#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "privatefolder.h"

using namespace kalmoro::platform;

namespace {

// Makes folder with the permissions given; -1 leaves it missing.
void makeFolder(const QString &folder, int mode)
{
    if (mode < 0)
        return;
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), mode_t(mode)) == 0);
}

} // namespace

// Where the program keeps the browser engine's files, over the environments a session can give it.
class PrivateFolderTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
        m_root->setAutoRemove(true);
    }

    void cleanup()
    {
        // Closed places would keep the temporary folder from going.
        for (const QString &place : {u"runtime"_qs, u"tmp"_qs, u"fallback"_qs})
            ::chmod(QFile::encodeName(m_root->filePath(place)).constData(), 0700);
        m_root.reset();
    }

    void placeChoice_data()
    {
        QTest::addColumn<int>("runtime"); // permissions of XDG_RUNTIME_DIR, -1 missing
        QTest::addColumn<QString>("temporary"); // TMPDIR: "tmp" made with tmpMode, "/" the root
        QTest::addColumn<int>("tmpMode");
        QTest::addColumn<int>("fallback"); // permissions of the last resort, /tmp
        QTest::addColumn<QString>("chosen"); // the place the folder is made in, empty for none
        QTest::addColumn<bool>("runtimeUsable");

        QTest::newRow("own runtime folder") << 0700 << u"tmp"_qs << 0700 << 01777 << u"runtime"_qs << true;
        QTest::newRow("runtime folder open to all")
            << 0777 << u"tmp"_qs << 0700 << 01777 << u"tmp"_qs << false;
        QTest::newRow("no runtime folder") << -1 << u"tmp"_qs << 0700 << 01777 << u"tmp"_qs << false;
        QTest::newRow("TMPDIR missing") << -1 << u"tmp"_qs << -1 << 01777 << u"fallback"_qs << false;
        QTest::newRow("TMPDIR read-only") << -1 << u"tmp"_qs << 0555 << 01777 << u"fallback"_qs << false;
        QTest::newRow("TMPDIR unset") << -1 << QString() << -1 << 01777 << u"fallback"_qs << false;
        QTest::newRow("TMPDIR the root") << 0777 << u"/"_qs << -1 << 01777 << u"fallback"_qs << false;
        QTest::newRow("nowhere to write") << 0777 << u"tmp"_qs << 0555 << 0555 << QString() << false;
    }

    void placeChoice()
    {
        QFETCH(int, runtime);
        QFETCH(QString, temporary);
        QFETCH(int, tmpMode);
        QFETCH(int, fallback);
        QFETCH(QString, chosen);
        QFETCH(bool, runtimeUsable);
        makeFolder(m_root->filePath(u"runtime"_qs), runtime);
        makeFolder(m_root->filePath(u"tmp"_qs), tmpMode);
        makeFolder(m_root->filePath(u"fallback"_qs), fallback);
        const PrivateFolderPlaces places {.runtime = m_root->filePath(u"runtime"_qs),
            .temporary = temporary == u"tmp" ? m_root->filePath(temporary) : temporary,
            .fallback = m_root->filePath(u"fallback"_qs)};

        const PrivateFolder made = MakePrivateFolder(places);
        const auto release = qScopeGuard([&] {
            if (made.lock >= 0)
                ::close(made.lock);
            if (!made.path.isEmpty())
                QDir(made.path).removeRecursively();
        });

        QCOMPARE(made.runtimeUsable, runtimeUsable);
        if (chosen.isEmpty()) {
            QVERIFY(made.path.isEmpty());
            QVERIFY(!made.failure.isEmpty());
            return;
        }
        QCOMPARE(QFileInfo(made.path).dir().canonicalPath(), QDir(m_root->filePath(chosen)).canonicalPath());
        QCOMPARE(QFileInfo(made.path).permissions(),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::WriteUser
                | QFile::ExeUser);
        QVERIFY(made.lock >= 0);
    }

    // A folder another start left: removed when its program no longer holds its lock.
    void staleFolders_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("removed");
        QTest::newRow("program killed") << u"lock free"_qs << true;
        QTest::newRow("program running") << u"lock held"_qs << false;
        QTest::newRow("folder being made") << u"no lock file"_qs << false;
    }

    void staleFolders()
    {
        QFETCH(QString, state);
        QFETCH(bool, removed);
        const QString place = m_root->filePath(u"tmp"_qs);
        const QString other = place + u"/kalmoro-Ab12Cd"_qs;
        QVERIFY(QDir().mkpath(other + u"/.pki/nssdb"_qs));
        int held = -1;
        if (state != u"no lock file") {
            QFile lock(other + u"/lock"_qs);
            QVERIFY(lock.open(QIODevice::WriteOnly));
            held = ::open(QFile::encodeName(lock.fileName()).constData(), O_RDONLY | O_CLOEXEC);
            QVERIFY(held >= 0);
        }
        if (state == u"lock held")
            QVERIFY(::flock(held, LOCK_EX | LOCK_NB) == 0);

        const PrivateFolder made = MakePrivateFolder({.runtime = {}, .temporary = place, .fallback = {}});
        if (held >= 0)
            ::close(held);
        if (made.lock >= 0)
            ::close(made.lock);

        QVERIFY(!made.path.isEmpty());
        QCOMPARE(!QFileInfo::exists(other), removed);
        QVERIFY(QFileInfo::exists(made.path));
    }

private:
    std::unique_ptr<QTemporaryDir> m_root;
};

QTEST_GUILESS_MAIN(PrivateFolderTest)
#include "test_privatefolder.moc"
