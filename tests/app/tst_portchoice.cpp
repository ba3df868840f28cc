// Port choice: which items the system list shows, the show-time choice with
// its fallbacks, and the stored index.
#include "app/PortChoice.h"

#include <QTemporaryDir>
#include <QTest>
#include <limits>

using Visible = std::array<bool, PortItemCount>;
Q_DECLARE_METATYPE(PortListKind)
Q_DECLARE_METATYPE(Visible)

namespace {

Visible Items(std::initializer_list<int> shown)
{
    Visible v{};
    for (int k : shown)
        v[k] = true;
    return v;
}

} // namespace

class TestPortChoice : public QObject {
    Q_OBJECT
private slots:
    void buildsItems_data();
    void buildsItems();
    void choosesItem_data();
    void choosesItem();
    void storesIndex_data();
    void storesIndex();
    void unwritableStoreIsReported();
};

void TestPortChoice::buildsItems_data()
{
    QTest::addColumn<PortListKind>("kind");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<Visible>("visible");
    QTest::addColumn<QString>("hint0");
    QTest::addColumn<QString>("device0");
    QTest::addColumn<QStringList>("beyond");

    const QStringList none;
    QTest::newRow("no ports") << PortListKind::ComNames << none << Items({}) << "com1" << "" << none;
    QTest::newRow("COM3 and COM4") << PortListKind::ComNames << QStringList{"COM3", "COM4"} << Items({2, 3})
                                   << "COM1" << "" << none;
    QTest::newRow("lower-case com2") << PortListKind::ComNames << QStringList{"com2"} << Items({1}) << "COM1" << ""
                                     << none;
    QTest::newRow("COM10 has no item") << PortListKind::ComNames << QStringList{"COM10"} << Items({}) << "COM1" << ""
                                       << QStringList{"COM10"};
    QTest::newRow("above COM9 in number order") << PortListKind::ComNames
                                                << QStringList{"COM12", "com3", "COM100", "COM10"} << Items({2})
                                                << "COM1" << "" << QStringList{"COM10", "COM12", "COM100"};
    QTest::newRow("one device") << PortListKind::DeviceList << QStringList{"/dev/ttyUSB0"} << Items({0}) << "COM1"
                                << "/dev/ttyUSB0" << none;
    QStringList eleven;
    for (int i = 0; i < 11; ++i)
        eleven << QStringLiteral("/dev/ttyS%1").arg(i);
    QTest::newRow("eleven devices fill nine items") << PortListKind::DeviceList << eleven
                                                    << Items({0, 1, 2, 3, 4, 5, 6, 7, 8}) << "COM1" << "/dev/ttyS0"
                                                    << none;
    QTest::newRow("no devices") << PortListKind::DeviceList << none << Items({}) << "com1" << "" << none;
}

void TestPortChoice::buildsItems()
{
    QFETCH(PortListKind, kind);
    QFETCH(QStringList, system);
    QFETCH(Visible, visible);
    QFETCH(QString, hint0);
    QFETCH(QString, device0);
    QFETCH(QStringList, beyond);
    const PortMenuItems items = BuildPortItems(system, kind);
    QCOMPARE(items.visible, visible);
    QCOMPARE(items.hint[0], hint0);
    QCOMPARE(items.hint[8].toLower(), QStringLiteral("com9"));
    QCOMPARE(items.device[0], device0);
    QCOMPARE(items.beyond, beyond);
}

void TestPortChoice::choosesItem_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<Visible>("visible");
    QTest::addColumn<int>("chosen");

    QTest::newRow("stored and visible") << 0 << Items({0}) << 0;
    QTest::newRow("only COM3 and COM4, stored 0") << 0 << Items({2, 3}) << 2;
    QTest::newRow("stored 5, only COM1 and COM3") << 5 << Items({0, 2}) << 0;
    QTest::newRow("nothing visible takes item 8") << 0 << Items({}) << 8;
    QTest::newRow("only item 8 visible") << 3 << Items({8}) << 8;
    QTest::newRow("stored 8 visible") << 8 << Items({1, 8}) << 8;
    QTest::newRow("stored 9 is outside") << 9 << Items({4}) << 4;
    QTest::newRow("negative is outside") << -1 << Items({6}) << 6;
    QTest::newRow("largest int is outside") << std::numeric_limits<int>::max() << Items({5}) << 5;
}

void TestPortChoice::choosesItem()
{
    QFETCH(int, stored);
    QFETCH(Visible, visible);
    QFETCH(int, chosen);
    QCOMPARE(ChoosePortItem(stored, visible), chosen);
}

void TestPortChoice::storesIndex_data()
{
    QTest::addColumn<QString>("iniText");  // the store's file before the read
    QTest::addColumn<int>("loaded");

    QTest::newRow("first run") << "" << 0;
    QTest::newRow("stored 6") << "[PortSet]\nportitm=6\n" << 6;
    QTest::newRow("out of range stays as stored") << "[PortSet]\nportitm=42\n" << 42;
    QTest::newRow("not a number") << "[PortSet]\nportitm=abc\n" << -1;
    QTest::newRow("other value only") << "[PortSet]\nother=3\n" << 0;
}

void TestPortChoice::storesIndex()
{
    QFETCH(QString, iniText);
    QFETCH(int, loaded);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vimo.conf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(iniText.toUtf8());
    file.close();

    auto open = [&] {
        auto store = std::make_unique<QSettings>(path, QSettings::IniFormat);
        store->beginGroup(QStringLiteral("PortSet"));
        return PortChoice(std::move(store), [] { return QStringList(); }, PortListKind::ComNames);
    };
    PortChoice choice = open();
    QCOMPARE(choice.LoadPortIndex(), loaded);
    QString error;
    QVERIFY(choice.SavePortIndex(6, error));
    QCOMPARE(open().LoadPortIndex(), 6);
}

void TestPortChoice::unwritableStoreIsReported()
{
    QTemporaryDir dir;
    auto store = std::make_unique<QSettings>(dir.filePath(QStringLiteral("missing/dir/Vimo.conf")),
                                             QSettings::IniFormat);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    PortChoice choice(std::move(store), [] { return QStringList(); }, PortListKind::ComNames);
    QString error;
    const bool saved = choice.SavePortIndex(3, error);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (saved)
        QSKIP("this user may write anywhere (root)");
    QVERIFY(error.contains(QStringLiteral("Vimo.conf")));
}

QTEST_GUILESS_MAIN(TestPortChoice)
#include "tst_portchoice.moc"
