#pragma once
// Stand-ins for the main window's tests: scripted message boxes, a port store
// in a temporary file, and a child window that records what is pressed on it.
#include "app/PortChoice.h"
#include "link/LinkUi.h"
#include "ui/common/ChildCommands.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QWidget>
#include <future>

class ScriptedUi : public LinkUi {
public:
    void Notice(const QString& text, BoxKind kind) override
    {
        notices << text;
        kinds << kind;
    }
    bool Ask(const QString& text, BoxKind kind) override
    {
        questions << text;
        kinds << kind;
        return answer;
    }
    bool answer = false;
    QStringList notices, questions;
    QList<BoxKind> kinds;
};

// A line to no device: it notes the device it was asked to open (when it
// may, see TestPorts::held) and opens nothing.
class TestLine final : public RadioLine {
public:
    TestLine(QString device, QStringList* opened, std::shared_future<void> held)
        : device_(std::move(device)), opened_(opened), held_(std::move(held))
    {
    }
    bool Open(CommOpenFailure* why) override
    {
        if (held_.valid())
            held_.wait();
        if (opened_)
            *opened_ << device_;
        if (why)
            *why = CommOpenFailure::NotFound;
        return false;
    }
    void Close() override {}
    bool IsOpen() const override { return false; }
    bool ReadByte(std::uint8_t&) override { return false; }
    bool ReadBurst(std::uint8_t*, int) override { return false; }
    bool Write(const std::uint8_t*, int) override { return false; }

private:
    QString device_;
    QStringList* opened_;
    std::shared_future<void> held_;
};

// A port store in a temporary folder and a system port list that a test
// changes as cables would come and go. Its lines reach no device: `opened`
// lists what the start-up probes asked for; while `held` is set, an open
// waits for it and notes nothing (the test may be gone when it returns).
struct TestPorts {
    explicit TestPorts(QStringList listed = {}, PortListKind kind = PortListKind::ComNames,
                       const QByteArray& iniText = {})
        : system(std::move(listed)), path(dir.filePath(QStringLiteral("Vimo.conf")))
    {
        if (!iniText.isEmpty()) {
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(iniText);
        }
        auto store = std::make_unique<QSettings>(path, QSettings::IniFormat);
        store->beginGroup(QStringLiteral("PortSet"));
        choice = std::make_unique<PortChoice>(std::move(store), [this] { return system; }, kind);
        choice->SetLineMaker([this](const QString& device) {
            return std::make_unique<TestLine>(device, held.valid() ? nullptr : &opened, held);
        });
    }
    int Stored() const
    {
        QSettings s(path, QSettings::IniFormat);
        return s.value(QStringLiteral("PortSet/portitm"), -99).toInt();
    }
    QStringList system, opened;
    std::shared_future<void> held;
    QTemporaryDir dir;
    QString path;
    std::unique_ptr<PortChoice> choice;
};

class TestChild : public QWidget, public ChildCommands {
public:
    TestChild(const QString& name, QStringList& log, QWidget* owner)
        : QWidget(owner), name_(name), log_(log)
    {
        setFixedSize(300, 200);
    }
    void Read() override { log_ << name_ + QStringLiteral(":Read"); }
    void Write() override { log_ << name_ + QStringLiteral(":Write"); }
    void New() override { log_ << name_ + QStringLiteral(":New"); }
    void Save() override { log_ << name_ + QStringLiteral(":Save"); }
    void Open() override { log_ << name_ + QStringLiteral(":Open"); }
    void SaveCurrentFile() override { log_ << name_ + QStringLiteral(":SaveCurrentFile"); }
    void Print() override { log_ << name_ + QStringLiteral(":Print"); }
    QUndoStack& UndoStack() override { return undo; }
    bool OpenFileAt(const QString& path, OpenAs) override
    {
        log_ << name_ + QStringLiteral(":Open ") + path;
        return true;
    }
    QUndoStack undo;

private:
    QString name_;
    QStringList& log_;
};
