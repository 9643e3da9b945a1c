// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <functional>

#include <sys/mount.h>
#include <sys/resource.h>

// A folder on a full disk, for tests of what every write does when the disk
// fills up. Where the test may mount (as root), it is a tmpfs filled to the
// last byte but `room` bytes, and writes fail with ENOSPC as on a real full
// disk; with room, a large write first stores part of its bytes and comes
// back short. Elsewhere the same failures are injected through the same
// system calls: a file-size limit of `room` makes writes into a file stop
// there (EFBIG) while `run` runs, and for the children it starts.
class FullDisk {
public:
    explicit FullDisk(qint64 room = 0) : m_room(room)
    {
        const QByteArray options = "size=" + QByteArray::number(64 * 1024 + room);
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                            options.constData())
                    == 0;
        if (m_mounted)
            fill();
    }
    ~FullDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    [[nodiscard]] QString path(const QString &fileName) const { return m_dir.filePath(fileName); }
    // True on a real full tmpfs, whose writes fail for want of space.
    [[nodiscard]] bool isRealDisk() const { return m_mounted; }
    // The system's reason a failed write there names.
    [[nodiscard]] QString failureReason() const
    {
        return m_mounted ? QStringLiteral("No space left on device") : QStringLiteral("File too large");
    }

    // Puts a file there before the disk is full (or before the limit holds).
    void place(const QString &fileName, const QByteArray &content)
    {
        if (m_mounted)
            QFile::remove(path(QStringLiteral("filler")));
        QFile file(path(fileName));
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
        file.close();
        if (m_mounted)
            fill();
    }

    // Runs `write` with the disk full.
    void run(const std::function<void()> &write) const
    {
        if (m_mounted) {
            write();
            return;
        }
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = rlim_t(m_room);
        ::setrlimit(RLIMIT_FSIZE, &limited);
        write();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
    }

    // The files in the folder besides the filler: no temporary file may stay.
    [[nodiscard]] QStringList files() const
    {
        QStringList names = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
        names.removeAll(QStringLiteral("filler"));
        return names;
    }

private:
    void fill()
    {
        QFile filler(path(QStringLiteral("filler")));
        if (!filler.open(QIODevice::Append | QIODevice::Unbuffered))
            return;
        const QByteArray block(512, 'f');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write(block.constData(), 1) == 1) {
        }
        // tmpfs gives the pages of a shortened file back.
        if (m_room > 0)
            filler.resize(std::max<qint64>(filler.size() - m_room, 0));
    }

    QTemporaryDir m_dir;
    qint64 m_room = 0;
    bool m_mounted = false;
};
