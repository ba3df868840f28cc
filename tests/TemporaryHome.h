#pragma once
// A test program's settings and radio history go to a temporary home, never
// the user's: the programs it starts inherit it too.
#include <QDir>
#include <QTemporaryDir>

struct TemporaryHome {
    QTemporaryDir dir;
    TemporaryHome()
    {
        qputenv("XDG_DATA_HOME", QDir(dir.path()).filePath(QStringLiteral("data")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", QDir(dir.path()).filePath(QStringLiteral("config")).toLocal8Bit());
    }
};
