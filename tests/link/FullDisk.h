// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <functional>

#include <sys/mount.h>
#include <sys/resource.h>

// A folder on a full disk, for tests of what every write does when the disk
// fills up. Where the test may mount (as root), it is a 64 KiB tmpfs filled
// to the last byte, and writes fail with ENOSPC as on a real full disk.
// Elsewhere the same failure is injected through the same system calls: a
// file-size limit of zero makes every write into a file fail (EFBIG) while
// `run` runs, and for the children it starts.
class FullDisk {
public:
    FullDisk()
    {
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                            "size=64k")
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
        rlimit none = saved;
        none.rlim_cur = 0;
        ::setrlimit(RLIMIT_FSIZE, &none);
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
    }

    QTemporaryDir m_dir;
    bool m_mounted = false;
};
