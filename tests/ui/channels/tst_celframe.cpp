// The channel window driven as a user drives it: clicks, keys, buttons, the
// list, the popup menu, files, "DefA.dat", and Read/Write against the
// simulated radio (in this process, or on a pseudo-terminal where the serial
// line's timing matters).
#include "base/Connection.h"
#include "base/ProgramState.h"
#include "base/languagestr.h"
#include "channels/ChannelClipboard.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelCsv.h"
#include "channels/ChannelDefaults.h"
#include "channels/ChannelFile.h"
#include "channels/ChannelRows.h"
#include "channels/GridRules.h"
#include "channels/CsvImport.h"
#include "channels/ImageFile.h"
#include "channels/ImageVerify.h"
#include "channels/ToneList.h"
#include "tests/TemporaryHome.h"
#include "tests/channels/RandomChannels.h"
#include "sim/InProcessRadio.h"
#include "tests/link/LinkTestSupport.h"
#include "ui/channels/ChannelGridModel.h"
#include "ui/channels/ChannelGridView.h"
#include "ui/channels/CsvImportDialog.h"
#include "ui/channels/celframe.h"
#include "ui/common/UserSettings.h"
#include "ui/common/WindowChrome.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPointer>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSizeGrip>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWheelEvent>

using namespace languagestr;

namespace {

// A shown channel window whose boxes, file dialogs and questions about
// unsaved changes are scripted, with a radio of its own.
struct Window {
    std::unique_ptr<InProcessRadio> radio = std::make_unique<InProcessRadio>();
    RadioLink link{[this](const QString& port) { return radio->AnyPort()(port); }};
    ScriptedUi ui;
    QPointer<TForm2> form = new TForm2;
    QString fileToSave, fileToOpen, exchangeFile;
    QStringList saveDialogs;  // the file each save dialog started with
    UnsavedAnswer answer = UnsavedAnswer::Cancel;
    QStringList asked;
    // Import CSV's preview: where the lines go, or Cancel; what it showed.
    std::optional<CsvPlacement> placement = CsvPlacement{};
    QStringList previewed;

    Window()
    {
        form->SetLinkUi(&ui);
        form->SetRadioLink(link);
        form->ChooseSaveFile = [this](QWidget*, const QString& current) {
            saveDialogs << current;
            return fileToSave;
        };
        form->ChooseOpenFile = [this](QWidget*) { return fileToOpen; };
        form->ChooseExchange = [this](QWidget*, ExchangeFile, bool) { return exchangeFile; };
        form->PreviewImport = [this](QWidget*, const QString&, const CsvFile& file, const ChannelTable& table,
                                     const BandLimits& bands) -> std::optional<CsvImport> {
            const CsvImport import = PlaceCsvLines(file, placement.value_or(CsvPlacement{}), table, bands);
            previewed << import.Counts();
            return placement ? std::optional(import) : std::nullopt;
        };
        form->AskUnsaved = [this](QWidget*, const QString& text) {
            asked << text;
            return answer;
        };
        form->show();
        QApplication::setActiveWindow(form);
        if (!QTest::qWaitForWindowActive(form))
            qFatal("the channel window did not become active");
    }
    ~Window() { delete form.data(); }

    TForm2& operator*() { return *form; }
    TForm2* operator->() { return form; }
    const QString& Text(int row, int column) const { return form->Table().Text(row, column); }

    QRect CellRect(int column, int row)
    {
        const QModelIndex index = form->Model()->IndexOf(row, column);
        form->StringGrid1->scrollTo(index);
        return form->StringGrid1->visualRect(index);
    }
    void Click(int column, int row)
    {
        QTest::mouseClick(form->StringGrid1->viewport(), Qt::LeftButton, {}, CellRect(column, row).center());
    }
    void Current(int& column, int& row) const
    {
        column = form->StringGrid1->CurrentColumn();
        row = form->StringGrid1->CurrentRow();
    }
    // Keys go where the focus is, as a user's keys do.
    void Type(const QString& text)
    {
        for (QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    void TypeInto(int column, int row, const QString& text)
    {
        Click(column, row);
        Type(text);
    }
    void ClickRowNumber(int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(form->StringGrid1->viewport(), Qt::LeftButton, modifiers, CellRect(0, row).center());
    }
    // The left button held from one cell to another.
    void Drag(int column, int fromRow, int toRow)
    {
        QWidget* viewport = form->StringGrid1->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, CellRect(column, fromRow).center());
        QMouseEvent move(QEvent::MouseMove, CellRect(column, toRow).center(), viewport->mapToGlobal(CellRect(column, toRow).center()),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, CellRect(column, toRow).center());
    }
    std::vector<int> Selected() const { return form->StringGrid1->SelectedRows(); }
    bool ListOpen() const { return form->ComboBox1() && form->ComboBox1()->isVisible(); }
    // An item chosen as a user chooses it: the current cell's list dropped
    // down, the item picked with the keys and Enter.
    void Choose(int item)
    {
        QComboBox* list = form->ComboBox1();
        QVERIFY(list);
        list->showPopup();
        list->view()->setCurrentIndex(list->model()->index(item, 0));
        QTest::keyClick(list->view(), Qt::Key_Return);
    }
};

void WriteLines(const QString& path, const QStringList& lines)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
}

// The box after a write that the radio read back as written.
QString WriteVerified()
{
    return TranslateComplete + u'\n' + VerifiedMessage();
}

// The two regions a channel write sends, of a radio's image or of a table.
QByteArray SentRegions(const QByteArray& image)
{
    return image.left(0x800) + image.mid(0x1000, 0x800);
}

QByteArray SentRegions(const ChannelTable& table)
{
    MemoryImageBytes image;
    StoreChannelsToImage(table, image);
    return SentRegions(QByteArray(reinterpret_cast<const char*>(image.data()), int(image.size())));
}

} // namespace

class TestChannelWindow : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    TemporaryHome home_;

private slots:
    void initTestCase()
    {
        SetFixedModel();
        SetModelTexts();
        QVERIFY(QDir::setCurrent(dir_.path()));
    }
    void init()
    {
        QFile::remove(QStringLiteral("DefA.dat"));
        TransferBusy = false;
        SetAllColumnsShown(false);
    }

    void showsTheDesignedWindow()
    {
        Window w;
        QCOMPARE(w->Panel2->Label31->text(), QStringLiteral("FANE5[400-480.9995Mhz] Channel config"));
        QCOMPARE(w->Model()->rowCount(), 99);
        for (int column = 0; column < 13; ++column) {
            QCOMPARE(w->Model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(),
                     ColumnTitles[column]);
            const bool hidden = column == 8 || column == 9 || column == 12;
            QCOMPARE(w->StringGrid1->isColumnHidden(column), hidden);
        }
        // The grid shows every shown column without a horizontal scroll.
        QCOMPARE(w->StringGrid1->horizontalHeader()->length(), w->StringGrid1->viewport()->width());
        QVERIFY(w->rect().contains(w->Panel1->geometry()));
        QVERIFY(w->rect().contains(w->Button6->geometry()));
        int column, row;
        w.Current(column, row);
        QCOMPARE(column, 1);
        QCOMPARE(row, 1);
        QCOMPARE(w->ActiveCell, (TForm2::Cell{1, 1}));
        QCOMPARE(w->UndoStack().count(), 0);  // the defaults are where it starts, not a step
    }

    // The designed size is where the window starts; it can be made higher
    // (more rows show), lower and narrower (the grid scrolls) down to a
    // smallest size that still shows every button, never wider; the rounded
    // outline follows.
    void resizesAroundTheGrid()
    {
        Window w;
        const QSize designed = w->size();
        QCOMPARE(w->sizeHint(), designed);
        const int gridHeight = w->StringGrid1->height();
        w->resize(designed.width() + 200, designed.height() + 210);
        QCOMPARE(w->size(), designed + QSize(0, 210));
        QCOMPARE(w->StringGrid1->height(), gridHeight + 210);
        QTRY_COMPARE(w->mask().boundingRect(), w->rect());
        QVERIFY(w->rect().contains(w->Grip->geometry()));

        w->resize(100, 100);
        QVERIFY(w->width() < designed.width() && w->height() < designed.height());
        for (QWidget* control : std::initializer_list<QWidget*>{w->Panel1, w->ProgressBar1, w->Button1, w->Button6})
            QVERIFY(w->rect().contains(control->geometry()));
        QVERIFY(!w->Grip->geometry().intersects(w->Button6->geometry()));
        QVERIFY(w->StringGrid1->viewport()->height() >= 4 * w->StringGrid1->rowHeight(0));
        QVERIFY(w->StringGrid1->horizontalScrollBar()->isVisible());
        QTRY_COMPARE(w->mask().boundingRect(), w->rect());
    }

    void defaultChannels()
    {
        Window w;
        QCOMPARE(w.Text(1, 1), QStringLiteral("476.4250"));
        QCOMPARE(w.Text(40, 2), QStringLiteral("477.4000"));
        QCOMPARE(w.Text(41, 1), QStringLiteral("476.4375"));
        QCOMPARE(w.Text(60, 1), QStringLiteral("476.9125"));
        QVERIFY(w.Text(61, 1).isEmpty() && w.Text(63, 5).isEmpty());
        QCOMPARE(w.Text(64, 1), QStringLiteral("477.0125"));
        QCOMPARE(w.Text(80, 2), QStringLiteral("477.4125"));
        QVERIFY(w.Text(81, 1).isEmpty());
        const QStringList row1 = {"Off", "Off", "High", "12.5K", "Off", "", "", "Off", "On", ""};
        for (int column = 3; column <= 12; ++column)
            QCOMPARE(w.Text(1, column), row1[column - 3]);
    }

    void defaultFile_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("lastFilledRow");
        QStringList twenty;
        for (int i = 0; i < 20; ++i)
            twenty << QStringLiteral("410.%1").arg(i, 4, 10, QLatin1Char('0'));
        QTest::newRow("20 lines fill rows 1-10") << twenty << 10;
        QStringList many;
        for (int i = 0; i < 300; ++i)
            many << QStringLiteral("420.0000");
        QTest::newRow("more pairs than rows") << many << 99;
        QTest::newRow("odd count: last TX empty") << QStringList{"430.0000", "431.0000", "432.0000"} << 2;
    }
    void defaultFile()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, lastFilledRow);
        WriteLines(QStringLiteral("DefA.dat"), lines);
        Window w;
        for (int row = 1; row <= 99; ++row) {
            QCOMPARE(w.Text(row, 1), row <= lastFilledRow ? lines.at(2 * (row - 1)) : QString());
            QCOMPARE(w.Text(row, 2), row <= lastFilledRow ? lines.value(2 * row - 1) : QString());
        }
        QVERIFY(w.Text(100, 1).isEmpty());
    }

    void defaultFileEmptyRxLeavesRow()
    {
        WriteLines(QStringLiteral("DefA.dat"), {"440.0000", "441.0000", "", "442.0000", "443.0000", "443.0000"});
        Window w;
        QCOMPARE(w.Text(1, 2), QStringLiteral("441.0000"));
        for (int column = 1; column <= 12; ++column)
            QVERIFY(w.Text(2, column).isEmpty());
        QCOMPARE(w.Text(3, 1), QStringLiteral("443.0000"));
    }

    void leavingRxChecksAndSnaps_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("overflow");
        QTest::newRow("nearest 6.25 kHz") << "476.4312" << "476.43125" << false;
        QTest::newRow("5 kHz multiple") << "476.425" << "476.42500" << false;
        QTest::newRow("6.25 kHz multiple") << "476.4375" << "476.43750" << false;
        QTest::newRow("tie goes up") << "476.428125" << "476.43125" << false;
        QTest::newRow("just above the lower limit") << "400.0125" << "400.01250" << false;
        // Out of range: the message, and the empty row stays empty.
        QTest::newRow("lower limit") << "400" << "" << true;
        QTest::newRow("upper limit") << "480.9995" << "" << true;
        QTest::newRow("below the band") << "399.9875" << "" << true;
        QTest::newRow("above the band") << "481" << "" << true;
        QTest::newRow("snapped past the upper limit") << "480.999" << "" << true;
        QTest::newRow("a lone point") << "." << "" << true;
    }
    void leavingRxChecksAndSnaps()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(bool, overflow);
        Window w;
        w.TypeInto(1, 90, typed);
        QCOMPARE(w.Text(90, 1), typed);
        w.Click(1, 91);
        QCOMPARE(w.Text(90, 1), kept);
        QCOMPARE(w.ui.Texts(), overflow ? QStringList{OverflowChanged} : QStringList{});
        // The row is started as a new channel, unless the entry was refused.
        const QStringList filled = {kept, "Off", "Off", "High", "25K", "Off", "Off", "QT", "Off", "On", ""};
        for (int column = 2; column <= 12; ++column)
            QCOMPARE(w.Text(90, column), overflow ? QString() : filled[column - 2]);
    }

    // An out-of-range entry puts back the text the cell had before the edit:
    // never a value that Write refuses, and leaving again asks nothing.
    void overflowPutsBackTheText_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");     // "<" erases one character first
        QTest::newRow("RX of a default row") << 1 << 5 << "481";
        QTest::newRow("TX of a default row") << 2 << 5 << "399.99";
        QTest::newRow("the edit grows the text past the band") << 1 << 5 << "<<<<<<<<9";
        QTest::newRow("RX of an empty row") << 1 << 85 << "500";
    }
    void overflowPutsBackTheText()
    {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(QString, typed);
        Window w;
        const ChannelTexts before = w->Table().RowTexts(row);
        w.Click(column, row);
        if (typed.startsWith(u'<'))
            w.Key(Qt::Key_F2);   // edit the text in place
        for (QChar c : typed) {
            if (c == u'<')
                w.Key(Qt::Key_Backspace);
            else
                w.Type(QString(c));
        }
        QVERIFY(w.Text(row, column) != TextOf(before, column));
        w.Click(3, 4);
        QCOMPARE(w.ui.Texts(), QStringList{OverflowChanged});
        QCOMPARE(w.Text(row, column), TextOf(before, column));
        if (TextOf(before, ColRx).isEmpty())
            QCOMPARE(w->Table().RowTexts(row), before);
        w.Click(column, row);
        w.Click(3, 4);
        QCOMPARE(w.ui.Texts(), QStringList{OverflowChanged});
    }

    // A cell only visited, by click or Tab, keeps what a radio or a file
    // gave it: a receive-only row stays one, a frequency off the raster
    // stays off it, and there is nothing to undo.
    void visitChangesNothing()
    {
        ChannelTable file = DefaultChannelTable();
        file.SetRowTexts(85, StartedRowTexts(QStringLiteral("476.43000")));
        file.SetText(85, ColTx, QString());
        const QString path = dir_.filePath(QStringLiteral("visited.chnw"));
        QVERIFY(!WriteChannelFile(path, file, 100, QStringLiteral("tes")).Failure);
        Window w;
        w.fileToOpen = path;
        w->Button5Click();
        const ChannelTable opened = w->Table();
        w.Click(1, 85);
        w.Click(2, 85);
        w.Key(Qt::Key_Tab);
        w.Click(1, 5);
        w.Key(Qt::Key_Return);
        w.Click(3, 9);
        QCOMPARE(w->Table(), opened);
        QVERIFY(w->UndoStack().isClean());
        QCOMPARE(w->UndoStack().count(), 1);   // the Open
        QVERIFY(w.ui.Texts().isEmpty());
    }

    void emptyingFrequencies()
    {
        Window w;
        w.Click(1, 5);
        w.Key(Qt::Key_Backspace);
        QVERIFY(w.Text(5, 1).isEmpty());
        w.Click(1, 6);
        for (int column = 1; column <= 12; ++column)
            QVERIFY2(w.Text(5, column).isEmpty(), qPrintable(QString::number(column)));

        w.Click(4, 6);  // the encode tone list: pick a tone
        w.Choose(3);
        w.Click(2, 6);
        QCOMPARE(w.Text(6, 4), ToneList().at(3));
        w.Key(Qt::Key_Backspace);
        w.Click(1, 7);
        QVERIFY(w.Text(6, 2).isEmpty());
        QCOMPARE(w.Text(6, 4), WordOff);
    }

    void keyFilters_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cell");
        QTest::newRow("RX: digits and one point") << 90 << 1 << "a4x7.6.5" << "47.65";
        QTest::newRow("RX: the twelfth character restarts") << 90 << 1 << "476.42500009" << "9";
        QTest::newRow("TX") << 3 << 2 << "477-0" << "4770";
        QTest::newRow("TX without RX") << 90 << 2 << "476" << "";
        QTest::newRow("name: capitals") << 3 << 12 << "ab-1" << "AB1";
        QTest::newRow("name: the seventh character restarts") << 3 << 12 << "abcdefg" << "G";
        QTest::newRow("name without RX") << 90 << 12 << "ab" << "";
        QTest::newRow("choice column") << 3 << 3 << "12" << "Off";
    }
    void keyFilters()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, cell);
        Window w;
        // The name column is hidden: it is reached with Enter from TX.
        w.Click(column == 12 ? 2 : column, row);
        if (column == 12)
            w.Key(Qt::Key_Return);
        w.Type(typed);
        QCOMPARE(w.Text(row, column), cell);
    }

    void refusedCells_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("moves");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("repeater column, row 9") << 10 << 9 << false << QStringList{};
        QTest::newRow("repeater column, row 41") << 10 << 41 << true << QStringList{"Off", "On"};
        QTest::newRow("power of a row without RX") << 5 << 90 << false << QStringList{};
        QTest::newRow("scan add of a row without RX") << 11 << 61 << false << QStringList{};
        QTest::newRow("channel number") << 0 << 3 << false << QStringList{};
        QTest::newRow("bandwidth") << 6 << 3 << true << QStringList{"25K", "12.5K"};
        QTest::newRow("busy lock list") << 7 << 3 << true << QStringList{"Off", "On"};
    }
    void refusedCells()
    {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(bool, moves);
        QFETCH(QStringList, items);
        Window w;
        w.Click(1, 2);
        w.Click(column, row);
        int c, r;
        w.Current(c, r);
        QCOMPARE(c == column && r == row, moves);
        QCOMPARE(w.ListOpen(), !items.isEmpty());
        if (items.isEmpty())
            return;
        QStringList shown;
        for (int i = 0; i < w->ComboBox1()->count(); ++i)
            shown << w->ComboBox1()->itemText(i);
        QCOMPARE(shown, items);
        QCOMPARE(w->ComboBox1()->geometry(), w.CellRect(column, row));
        QCOMPARE(w->ComboBox1()->currentText(), w.Text(row, column));
        QVERIFY(w->ComboBox1()->width() >= w->ComboBox1()->sizeHint().width());  // "12.5K", not "2.5K"
    }

    void listStaysOverItsCellWhenScrolled()
    {
        Window w;
        w.Click(3, 5);
        QVERIFY(w.ListOpen());
        w->StringGrid1->verticalScrollBar()->setValue(2);
        const QModelIndex index = w->Model()->IndexOf(5, 3);
        QCOMPARE(w->ComboBox1()->geometry(), w->StringGrid1->visualRect(index));
    }

    // Save or Open hides the list; a click on its cell shows it again.
    void listShownAgainOnItsCell_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("Save") << 4;
        QTest::newRow("Open") << 5;
    }
    void listShownAgainOnItsCell()
    {
        QFETCH(int, button);
        Window w;
        w.Click(5, 3);
        QVERIFY(w.ListOpen());
        if (button == 4)
            w->Button4Click();   // cancelled: no file chosen
        else
            w->Button5Click();
        QVERIFY(!w.ListOpen());
        w.Click(5, 3);
        QVERIFY(w.ListOpen());
        QCOMPARE(w->ComboBox1()->geometry(), w.CellRect(5, 3));
        QCOMPARE(w->ComboBox1()->currentText(), w.Text(3, 5));
        QVERIFY(w->ComboBox1()->hasFocus());
    }

    void listCommit_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("cell");
        QTest::newRow("return to the grid") << "grid" << "Low";
        QTest::newRow("Write") << "write" << "Low";
        QTest::newRow("Save") << "save" << "Low";
        QTest::newRow("typed text, not an item") << "typed" << "High";
        QTest::newRow("typed text, other case") << "lower" << "Low";
    }
    void listCommit()
    {
        QFETCH(QString, how);
        QFETCH(QString, cell);
        Window w;
        w.Click(5, 3);
        QVERIFY(w->ComboBox1()->hasFocus());
        if (how == "typed" || how == "lower")
            w.Type(how == "typed" ? QStringLiteral("Medium") : QStringLiteral("low"));
        else
            w.Choose(1);
        w.fileToSave = dir_.filePath(QStringLiteral("listcommit.chnw"));
        if (how == "save")
            QTest::mouseClick(w->Button4, Qt::LeftButton);
        else if (how == "write")
            QTest::mouseClick(w->Button2, Qt::LeftButton);
        else
            w.Click(1, 4);
        QCOMPARE(w.Text(3, 5), cell);
        QCOMPARE(w.ui.Texts().contains(OverflowChanged), how == "typed");
        QCOMPARE(w->UndoStack().count(), cell == "Low" ? 1 : 0);
        if (how == "save") {
            ChannelTable saved;
            QVERIFY(!ReadChannelFile(w.fileToSave, QStringLiteral("tes"), saved).Failure);
            QCOMPARE(saved.Text(3, 5), QStringLiteral("Low"));
        }
    }

    // The keys on a list cell: until the user types or drops the list down
    // they move the current cell; then they are the text's. Tokens: typed
    // text, or <Key> (<Esc>, <Del>, <Left>, <Down>, <Right>, <CtrlA>, <F2>).
    void listKeys_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("cell");      // the cell's text after leaving it
        QTest::addColumn<int>("toColumn");      // where the current cell is then
        QTest::addColumn<int>("toRow");
        QTest::newRow("Down moves to the next row") << 3 << 3 << "<Down>" << "Off" << 3 << 4;
        QTest::newRow("Right moves to the next column") << 3 << 3 << "<Right>" << "Off" << 4 << 3;
        QTest::newRow("typing replaces the text") << 4 << 4 << "151.4" << "151.4" << 4 << 4;
        QTest::newRow("Del in the text edits the text") << 4 << 4 << "151.44 <Del> <Left> <Del>" << "151.4" << 4 << 4;
        QTest::newRow("Ctrl+A in the text chooses the text") << 4 << 4 << "100 <CtrlA> 88.5" << "88.5" << 4 << 4;
        QTest::newRow("Escape puts back the text") << 4 << 4 << "88.5 <Esc>" << "Off" << 4 << 4;
        QTest::newRow("F2, then Down is the list's") << 5 << 4 << "<F2> <Down>" << "Low" << 5 << 4;
        QTest::newRow("Escape closes the dropped list, Down moves on") << 5 << 4 << "<AltDown> <Down> <Esc> <Down>" << "High" << 5 << 5;
        QTest::newRow("Escape in a typed cell puts back") << 1 << 90 << "476.5 <Esc>" << "" << 1 << 90;
    }
    void listKeys()
    {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(QString, keys);
        QFETCH(QString, cell);
        QFETCH(int, toColumn);
        QFETCH(int, toRow);
        const std::map<QString, QKeyCombination> named = {
            {"<Esc>", Qt::Key_Escape}, {"<Del>", Qt::Key_Delete}, {"<Left>", Qt::Key_Left},
            {"<Down>", Qt::Key_Down}, {"<Right>", Qt::Key_Right}, {"<F2>", Qt::Key_F2},
            {"<CtrlA>", Qt::ControlModifier | Qt::Key_A}, {"<AltDown>", Qt::AltModifier | Qt::Key_Down}};
        Window w;
        const ChannelTexts before = w->Table().RowTexts(row);
        w.Click(column, row);
        for (const QString& token : keys.split(u' ')) {
            if (const auto key = named.find(token); key != named.end())
                QTest::keyClick(QApplication::focusWidget(), key->second.key(), key->second.keyboardModifiers());
            else
                w.Type(token);
        }
        int c, r;
        w.Current(c, r);
        QCOMPARE(c, toColumn);
        QCOMPARE(r, toRow);
        w.Click(1, 12);
        QCOMPARE(w.Text(row, column), cell);
        QVERIFY(w.Selected().empty());
        QVERIFY(w.ui.Texts().isEmpty());
        for (int other = ColRx; other <= ColName; ++other)
            if (other != column)
                QCOMPARE(w.Text(row, other), TextOf(before, other));
    }

    void copyPasteClear_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("keepsFrequencies");
        QTest::addColumn<bool>("takesRepeater");
        QTest::newRow("fixed repeater row 5") << 5 << true << true;
        QTest::newRow("fixed row 20") << 20 << true << false;
        QTest::newRow("free row 90") << 90 << false << false;
        QTest::newRow("free repeater row 78") << 78 << true << true;
    }
    void copyPasteClear()
    {
        QFETCH(int, target);
        QFETCH(bool, keepsFrequencies);
        QFETCH(bool, takesRepeater);
        Window w;
        const ChannelTexts before = w->Table().RowTexts(target);
        w.Click(10, 2);             // repeater "On" in a repeater row...
        w.Choose(1);
        w.Click(1, 2);
        const ChannelTexts source = w->Table().RowTexts(2);
        w->N1Click(TForm2::RowAction::Copy);  // ...copied from row 2
        w.Click(1, target);
        w->N1Click(TForm2::RowAction::Paste);
        for (int column = 1; column <= 12; ++column) {
            const bool kept = ((column == 1 || column == 2) && keepsFrequencies)
                || (column == 10 && !takesRepeater);
            QString expected = kept ? TextOf(before, column) : TextOf(source, column);
            if (column == ColRepeater && expected.isEmpty())
                expected = WordOff;  // as typing a channel into the row leaves it
            QCOMPARE(w.Text(target, column), expected);
        }
        w->N1Click(TForm2::RowAction::Clear);
        for (int column = 1; column <= 12; ++column)
            QVERIFY(w.Text(target, column).isEmpty());
    }

    void chooseRows()
    {
        Window w;
        w.ClickRowNumber(83);
        QCOMPARE(w.Selected(), (std::vector<int>{83}));
        w.ClickRowNumber(86, Qt::ShiftModifier);
        QCOMPARE(w.Selected(), (std::vector<int>{83, 84, 85, 86}));
        w.ClickRowNumber(84, Qt::ControlModifier);
        QCOMPARE(w.Selected(), (std::vector<int>{83, 85, 86}));
        w.Click(1, 20);
        QCOMPARE(w.Selected(), std::vector<int>{});
        w.Drag(5, 10, 13);
        QCOMPARE(w.Selected(), (std::vector<int>{10, 11, 12, 13}));
        // Copy and Clear act on the chosen rows; without a selection on the
        // current cell's row.
        w->N1Click(TForm2::RowAction::Copy);
        QCOMPARE(QApplication::clipboard()->text(), RowsAsClipboardText(w->Table(), {10, 11, 12, 13}));
        QCOMPARE(w->RowClipboard.Rows.size(), size_t(4));
        const ChannelTexts row14 = w->Table().RowTexts(14);
        QTest::keyClick(w->StringGrid1, Qt::Key_Delete);
        for (int row = 10; row <= 13; ++row)
            QCOMPARE(w->Table().RowTexts(row), ChannelTexts());
        QCOMPARE(w->Table().RowTexts(14), row14);
        w.Click(1, 30);
        w->N1Click(TForm2::RowAction::Clear);
        QCOMPARE(w->Table().RowTexts(30), ChannelTexts());
        QCOMPARE(w->Table().RowTexts(14), row14);
    }

    // Text from a spreadsheet: header, CR LF, a trailing tab, empty cells.
    void pasteSpreadsheetText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("notice");   // how it starts; empty: pasted
        QTest::addColumn<bool>("byNumber");    // row 90 chosen by its number after a click in row 84
        const QString header = QStringLiteral("RX Frequency(MHZ)\tTX Frequency(MHZ)\tCTCSS/DCS Dec\tCTCSS/DCS Enc\t"
                                              "TX Power\tW/N\tBusy Lock\tOptSingal\tSPUnmute\tRepeater\t"
                                              "ScanningAdd\tCH-Name\r\n");
        const QString rows = QStringLiteral("455.1\t455.1\t67.0\tD023N\tLow\t12.5K\tOff\tOff\tQT\tOff\tOn\tab\t\r\n"
                                            "455.2\t\t\t\t\t\t\t\t\t\t\t\r\n");
        QTest::newRow("header, CR LF, trailing tab, empty cells") << header + rows << "" << false;
        QTest::newRow("into the row chosen by its number") << header + rows << "" << true;
        QTest::newRow("a sheet's own header") << "RX\tTX\tDecode\tEncode\r\n" + rows << "" << false;
        QTest::newRow("a bad cell") << header + rows + "455.3\t455.3\tOff\tOff\tHigh\t20K\r\n"
                                    << "Nothing pasted: line 4: row 92, W/N: \"20K\" is not one of 25K, 12.5K" << false;
        QTest::newRow("a frequency outside the band") << rows + "500\r\n"
                                                      << "Nothing pasted: line 3: row 92, RX Frequency(MHZ): \"500\"" << false;
    }
    void pasteSpreadsheetText()
    {
        QFETCH(QString, text);
        QFETCH(QString, notice);
        QFETCH(bool, byNumber);
        Window w;
        if (byNumber) {
            w.Click(1, 84);
            w.ClickRowNumber(90);
        } else {
            w.Click(1, 90);
        }
        const ChannelTable before = w->Table();
        QApplication::clipboard()->setText(text);
        QTest::keyClick(w->StringGrid1, Qt::Key_V, Qt::ControlModifier);
        if (!notice.isEmpty()) {
            QCOMPARE(w->Table(), before);
            QCOMPARE(w.ui.Texts().size(), 1);
            QVERIFY2(w.ui.Texts().first().startsWith(notice), qPrintable(w.ui.Texts().first()));
            return;
        }
        QVERIFY2(w.ui.Texts().isEmpty(), qPrintable(w.ui.Texts().join(" | ")));
        QCOMPARE(w.Text(90, ColRx), QStringLiteral("455.10000"));
        QCOMPARE(w.Text(90, ColEncodeTone), QStringLiteral("D023N"));
        QCOMPARE(w.Text(90, ColName), QStringLiteral("AB"));
        const QStringList row91 = {"455.20000", "", "Off", "Off", "High", "25K", "Off", "Off", "QT", "Off", "On", ""};
        for (int column = 1; column <= 12; ++column)
            QCOMPARE(w.Text(91, column), row91.at(column - 1));
        QCOMPARE(w->Table().RowTexts(92), before.RowTexts(92));
        QCOMPARE(w->Table().RowTexts(84), before.RowTexts(84));
        QCOMPARE(w->UndoStack().undoText(), QStringLiteral("Paste rows 90-91"));
    }

    void moveRows_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<int>>("places");   // row, the row whose texts it gets; empty: nothing moves
        QTest::newRow("up") << QList<int>{85, 86} << -1 << QList<int>{84, 85, 85, 86, 86, 84};
        QTest::newRow("down, apart") << QList<int>{82, 85} << 1 << QList<int>{82, 83, 83, 82, 85, 86, 86, 85};
        QTest::newRow("up from row 81") << QList<int>{81, 82} << -1 << QList<int>{};
        QTest::newRow("down from row 99") << QList<int>{99} << 1 << QList<int>{};
        QTest::newRow("a fixed row") << QList<int>{80, 81} << 1 << QList<int>{};
    }
    void moveRows()
    {
        QFETCH(QList<int>, rows);
        QFETCH(int, step);
        QFETCH(QList<int>, places);
        Window w;
        for (int row = 80; row <= 99; ++row)
            w->SetDefaluParams(QStringLiteral("4%1.00000").arg(row), QStringLiteral("450.00000"), row);
        const ChannelTable before = w->Table();
        w.ClickRowNumber(rows.first());
        for (int row : rows.mid(1))
            w.ClickRowNumber(row, Qt::ControlModifier);
        QTest::keyClick(w->StringGrid1, step < 0 ? Qt::Key_Up : Qt::Key_Down, Qt::ControlModifier);
        ChannelTable expected = before;
        for (int i = 0; i < places.size(); i += 2)
            expected.SetRowTexts(places[i], before.RowTexts(places[i + 1]));
        QCOMPARE(w->Table(), expected);
        std::vector<int> selected;
        for (int row : rows)
            selected.push_back(places.isEmpty() ? row : row + step);
        QCOMPARE(w.Selected(), selected);
    }

    // CSV out of one window and into another; radio images the same way.
    void exchangeFiles()
    {
        Window w;
        w.TypeInto(1, 90, "455.1");
        w.Click(4, 90);
        w.Choose(60);
        w.Click(1, 91);
        w.exchangeFile = dir_.filePath(QStringLiteral("out.csv"));
        w->ExportCsv();
        ChannelTable expected = w->Table();
        const CsvExport csv = ChannelTableToCsv(expected, {400, 480.9995L, 400, 480.9995L});
        QFile file(w.exchangeFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), csv.Text);

        // Into a window of the same default channels; Cancel changes nothing.
        Window other;
        other.exchangeFile = w.exchangeFile;
        other.placement.reset();
        const ChannelTable defaults = other->Table();
        const int steps = other->UndoStack().count();
        other->ImportCsv();
        QCOMPARE(other->Table(), defaults);
        QCOMPARE(other->UndoStack().count(), steps);
        other.placement = CsvPlacement{};
        other->ImportCsv();
        QCOMPARE(other.previewed, QStringList(2, QStringLiteral("78 lines: 78 placed.")));
        QCOMPARE(other.ui.Texts(), QStringList());
        QCOMPARE(other->Table().RowTexts(90), expected.RowTexts(90));

        w.exchangeFile = dir_.filePath(QStringLiteral("radio.img"));
        w->SaveRadioImage();
        other->Button3Click();
        other.exchangeFile = w.exchangeFile;
        other->OpenRadioImage();
        MemoryImageBytes image;
        StoreChannelsToImage(w->Table(), image);
        LoadChannelsFromImage(image, expected = ChannelTable());
        QCOMPARE(other->Table(), expected);

        // A bad file changes nothing and is named; a bad cell stops an export.
        WriteLines(w.exchangeFile, {"not an image"});
        const ChannelTable kept = other->Table();
        other->OpenRadioImage();
        QCOMPARE(other->Table(), kept);
        QCOMPARE(other.ui.Texts().last(), QStringLiteral("radio.img: holds 14 bytes; an image has 8192"));
        other->SetDefaluParams(QStringLiteral("500.00000"), QStringLiteral("450.00000"), 95);
        other.exchangeFile = dir_.filePath(QStringLiteral("never.csv"));
        other->ExportCsv();
        QVERIFY(other.ui.Texts().last().startsWith(QStringLiteral("row 95, RX Frequency(MHZ): ")));
        QVERIFY(!QFile::exists(other.exchangeFile));
        int column, row;
        other.Current(column, row);
        QCOMPARE(row, 95);
    }

    // The preview lists every line with what happens to it, and places the
    // lines again when the choice changes.
    void csvImportPreview()
    {
        const QString csv = QStringLiteral("Location,Name,Frequency,Mode\r\n1,A,476.45,FM\r\n90,B,470,FM\r\n"
                                           "91,c,470.001,NFM\r\n");
        const BandLimits band{400, 480.9995L, 400, 480.9995L};
        const CsvFile file = ReadCsvChannels(csv, band);
        QVERIFY(!file.Failure);
        ChannelTable table = DefaultChannelTable();
        ChannelTexts camp = StartedRowTexts(QStringLiteral("467.71250"));
        TextOf(camp, ColName) = QStringLiteral("CAMP");
        TextOf(camp, ColScanAdd) = WordOff;
        table.SetRowTexts(90, camp);
        const ChannelTable base = table;
        CsvImportDialog dialog(QStringLiteral("list.csv"), file, table, band);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Import list.csv"));
        const auto shown = [&](int line) {
            QStringList texts;
            for (int column = 0; column < dialog.Lines->columnCount(); ++column)
                texts << dialog.Lines->topLevelItem(line)->text(column);
            return texts;
        };
        QCOMPARE(dialog.Lines->topLevelItemCount(), 3);
        QCOMPARE(shown(0), (QStringList{"2", "-", "not placed: 476.450 MHz cannot go to row 1, which holds the fixed 476.425 MHz",
                                        "A", "476.45000", "476.45000", "Off", "Off", "High", "25K", "On", "Off"}));
        // Every value the line sets is shown (the CAMP row it replaces was not scanned).
        QCOMPARE(shown(1), (QStringList{"3", "90", "placed; replaces CAMP, 467.71250",
                                        "B", "470.00000", "470.00000", "Off", "Off", "High", "25K", "On", "Off"}));
        QCOMPARE(shown(2).mid(3, 2), (QStringList{"C", "470.00000"}));
        QCOMPARE(shown(2).at(9), QStringLiteral("12.5K"));
        QCOMPARE(shown(2).at(2), QStringLiteral("changed: name \"c\" becomes \"C\"; 470.001 MHz moved to 470.000 MHz"));
        QVERIFY(dialog.Detail->text().startsWith(QStringLiteral("Line 2: not placed: 476.450 MHz")));
        QCOMPARE(dialog.Counts->text(), QStringLiteral("3 lines: 2 placed, 1 of them changed, 1 not placed. "
                                                       "Lines not placed are left out."));
        QCOMPARE(dialog.ImportButton->text(), QStringLiteral("Import 2 channels"));

        // From a row on, the lines go into free rows only...
        dialog.FirstRow->setValue(2);   // chooses "from row" by itself
        QVERIFY(dialog.FromRow->isChecked());
        QCOMPARE(shown(0).at(1), QStringLiteral("81"));
        QCOMPARE(shown(1).at(1), QStringLiteral("82"));
        QCOMPARE(dialog.ImportButton->text(), QStringLiteral("Import 3 channels"));
        // ...unless rows that hold a channel are to be replaced too.
        dialog.ReplaceRows->setChecked(true);
        QCOMPARE(shown(0).at(1), QStringLiteral("2"));
        QCOMPARE(shown(0).at(2), QStringLiteral("placed; replaces 476.4500"));
        QCOMPARE(shown(1).at(1), QStringLiteral("81"));
        QCOMPARE(dialog.Import().Table.Text(2, ColName), QStringLiteral("A"));
        QCOMPARE(table, base);
    }

    void enterMoves_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<int>>("path");  // column, row after each Enter
        QTest::newRow("row 3") << 3 << QList<int>{2, 3, 12, 3, 1, 4};
        QTest::newRow("last row") << 99 << QList<int>{2, 99, 12, 99, 1, 99};
    }
    void enterMoves()
    {
        QFETCH(int, row);
        QFETCH(QList<int>, path);
        Window w;
        w.Click(1, row);
        // The Enter that closed a message box comes up in the grid: it moves nothing.
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
        int c, r;
        w.Current(c, r);
        QCOMPARE(c, 1);
        QCOMPARE(r, row);
        for (int step = 0; step < path.size(); step += 2) {
            w.Key(Qt::Key_Return);
            w.Current(c, r);
            QCOMPARE(c, path[step]);
            QCOMPARE(r, path[step + 1]);
        }
    }

    void newEmptiesShownRows()
    {
        const QString path = dir_.filePath(QStringLiteral("full.chnw"));
        QRandomGenerator random(7);
        const ChannelTable full = RandomChannelTable(random);
        QVERIFY(!WriteChannelFile(path, full, 129, QStringLiteral("tes")).Failure);
        Window w;
        w.fileToOpen = path;
        w->Button5Click();
        w->Button3Click();
        for (int row = 1; row <= 128; ++row)
            for (int column = 1; column <= 12; ++column)
                QCOMPARE(w.Text(row, column), row <= 99 ? QString() : full.Text(row, column));
    }

    void saveAndOpen()
    {
        const QString path = dir_.filePath(QStringLiteral("fresh.chnw"));
        Window w;
        w.fileToSave = path;
        w->Button4Click();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.count("\r\n"), 1190);
        QVERIFY(bytes.startsWith("tes\r\n100\r\n476.4250\r\n"));

        Window other;
        other->Button3Click();
        other.fileToOpen = path;
        other->Button5Click();
        QCOMPARE(other->Table(), w->Table());
        QVERIFY(other.ui.Texts().isEmpty());
    }

    void openRefusesBadFiles_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("message");
        QTest::newRow("kind in capitals") << QStringList{"TES", "100"} << BadFileType;
        QTest::newRow("row count not a number") << QStringList{"tes", "1OO"} << "line 2";
        QTest::newRow("row count beyond the table") << QStringList{"tes", "130"} << "line 2";
        QTest::newRow("lines missing") << QStringList{"tes", "17", "476.42500"} << "line 4";
    }
    void openRefusesBadFiles()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, message);
        const QString path = dir_.filePath(QStringLiteral("bad.chnw"));
        WriteLines(path, lines);
        Window w;
        const ChannelTable before = w->Table();
        w.fileToOpen = path;
        w->Button5Click();
        QCOMPARE(w->Table(), before);
        QCOMPARE(w.ui.Texts().size(), 1);
        QVERIFY2(w.ui.Texts().first().contains(message), qPrintable(w.ui.Texts().first()));
        if (message == BadFileType) {
            QCOMPARE(w.ui.Texts().first(), BadFileType);
            QCOMPARE(w.ui.Kinds().first(), BoxKind::Information);
        }
    }

    void openSeventeenRows()
    {
        ChannelTable file;
        for (int row = 1; row < 17; ++row)
            file.SetText(row, 1, QStringLiteral("41%1.00000").arg(row % 10));
        const QString path = dir_.filePath(QStringLiteral("rows17.chnw"));
        QVERIFY(!WriteChannelFile(path, file, 17, QStringLiteral("tes")).Failure);
        Window w;
        const ChannelTable before = w->Table();
        w.fileToOpen = path;
        w->Button5Click();
        QCOMPARE(w->Model()->rowCount(), 99);
        for (int row = 1; row <= 99; ++row)
            QCOMPARE(w.Text(row, 1), row < 17 ? file.Text(row, 1) : before.Text(row, 1));
        QVERIFY(w.Text(5, 3).isEmpty());
    }

    // The grid shows what the radio holds; the radio holds what the grid shows.
    void readAndWriteThroughTheWindow()
    {
        QRandomGenerator random(11);
        const MemoryImageBytes held = RandomChannelImage(random);
        Window w;
        w.radio->SetImageBytes(QByteArray(reinterpret_cast<const char*>(held.data()), int(held.size())));
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        QCOMPARE(w.ui.Texts(), QStringList{ReciveComplete});
        ChannelTable expected;
        LoadChannelsFromImage(held, expected);
        QCOMPARE(w->Table(), expected);
        QCOMPARE(w->ProgressBar1->value(), 0);
        QVERIFY(!TransferBusy);

        w.TypeInto(1, 95, "455.1");
        w.Click(4, 95);
        w.Choose(60);
        QTest::mouseClick(w->Button2, Qt::LeftButton);
        QCOMPARE(w.ui.Texts().last(), WriteVerified());
        QCOMPARE(w.Text(95, 4), ToneList().at(60));
        QCOMPARE(SentRegions(w.radio->ImageBytes()), SentRegions(w->Table()));
    }

    // Whatever a radio programmed elsewhere holds (unlisted tones, inverted
    // DCS codes, an out-of-band frequency in a slot the grid does not show)
    // reads and writes back, also after New.
    void writesBackWhatTheRadioHolds()
    {
        QRandomGenerator random(23);
        MemoryImageBytes held = RandomRadioImage(random, 100);
        const QByteArray slot110 = QByteArray::fromHex("00000050000000509d02eca9958ffeff");
        std::copy(slot110.begin(), slot110.end(), held.begin() + 109 * 16);
        ChannelTable expected;
        LoadChannelsFromImage(held, expected);
        QCOMPARE(expected.Text(110, 1), QStringLiteral("500.00000"));
        Window w;
        w.radio->SetImageBytes(QByteArray(reinterpret_cast<const char*>(held.data()), int(held.size())));
        for (bool afterNew : {false, true}) {
            if (afterNew)
                w->Button3Click();
            else
                w->Button1Click();
            w->Button2Click();
            QCOMPARE(w.ui.Texts().last(), WriteVerified());
            QCOMPARE(SentRegions(w.radio->ImageBytes()), SentRegions(w->Table()));
            for (int row = 100; row <= 128; ++row)
                QCOMPARE(w->Table().RowTexts(row), expected.RowTexts(row));
        }
        QCOMPARE(w.ui.Texts(), (QStringList{ReciveComplete, WriteVerified(), WriteVerified()}));
    }

    void writeRefusesABadCell_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("tone") << 7 << 3 << "D999N";
        QTest::newRow("TX out of band") << 12 << 2 << "500.00000";
        QTest::newRow("hidden row") << 120 << 1 << "4x";
        QTest::newRow("RX far above the band") << 7 << 1 << "999.12345";
    }
    void writeRefusesABadCell()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        ChannelTable file;
        for (int r = 1; r <= 128; ++r)
            SetDefaultRowForTest(file, r);
        file.SetText(row, column, text);
        const QString path = dir_.filePath(QStringLiteral("badcell.chnw"));
        QVERIFY(!WriteChannelFile(path, file, 129, QStringLiteral("tes")).Failure);
        Window w;
        w.fileToOpen = path;
        w->Button5Click();
        // Opening names the cell once, a visit says nothing, Write names it
        // again and sends nothing.
        w.Click(column, qMin(row, 99));
        w.Click(3, 4);
        QCOMPARE(w.ui.Texts().size(), 1);
        QVERIFY2(w.ui.Texts().first().startsWith(QStringLiteral("badcell.chnw holds a cell that Write would refuse:\nrow %1").arg(row)),
                 qPrintable(w.ui.Texts().first()));
        w->Button2Click();
        QCOMPARE(w.ui.Texts().size(), 2);
        QVERIFY2(w.ui.Texts().last().startsWith(QStringLiteral("row %1").arg(row)), qPrintable(w.ui.Texts().last()));
        QVERIFY(w.radio->ReceivedFrames().isEmpty());
        if (row < 100) {
            int c, r;
            w.Current(c, r);
            QCOMPARE(c, column);
            QCOMPARE(r, row);
        }
    }

    // Closing while a read runs (the Close button, the close box) is refused:
    // the window stays, the read lands in it. The read is held up by a radio
    // on a serial line that stalls.
    void closeDuringARead()
    {
        SimConfig config;
        config.stallAt = 5;
        config.stallMs = 800;
        auto radio = StartRadio(config);
        PortName = radio->DevicePath();
        Window w;
        w->SetRadioLink(TestLink());
        bool stillOpen = false;
        QTimer::singleShot(200, w.form.data(), [&] {
            w->Button6Click();
            w->close();
            stillOpen = w.form && w->isVisible();
        });
        w->Button1Click();
        QVERIFY(stillOpen);
        QCOMPARE(w.ui.Texts(), QStringList{ReciveComplete});
        ChannelTable expected;
        MemoryImageBytes image;
        const QByteArray bytes = radio->ImageBytes();
        std::copy(bytes.begin(), bytes.begin() + 8192, image.begin());
        LoadChannelsFromImage(image, expected);
        QCOMPARE(w->Table(), expected);
        w->Button6Click();
        QTRY_VERIFY(w.form.isNull());
    }

    // Ctrl+C, Ctrl+V and Del act on the current row as the popup menu does,
    // whether the current cell is a typed one or has its list open, and the
    // right button opens that menu; in the cell editor they keep their
    // editing meaning.
    void rowKeys_data()
    {
        QTest::addColumn<int>("column");
        QTest::newRow("RX cell") << int(ColRx);
        QTest::newRow("list cell") << int(ColPower);
    }
    void rowKeys()
    {
        QFETCH(int, column);
        Window w;
        w.Click(ColPower, 2);
        w.Choose(1);  // Low, in row 2 only
        w.Click(ColRx, 2);
        w.Click(column, 2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), RowsAsClipboardText(w->Table(), {2}));
        w.Click(column, 20);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        w.Click(ColRx, 21);
        QCOMPARE(w.Text(20, ColPower), QStringLiteral("Low"));
        QCOMPARE(w->UndoStack().undoText(), QStringLiteral("Paste row 20"));
        w.Click(column, 20);
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(5, 5));
        QApplication::sendEvent(QApplication::focusWidget(), &menu);
        QTRY_VERIFY(w->PopupMenu1->isVisible());
        w->PopupMenu1->hide();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QCOMPARE(w->Table().RowTexts(20), ChannelTexts{});
        QVERIFY(w.ui.Texts().isEmpty());

        const QString tx = w.Text(3, 2);
        w.TypeInto(1, 3, "45");
        w.Key(Qt::Key_Left);
        w.Key(Qt::Key_Delete);
        QCOMPARE(w.Text(3, 1), QStringLiteral("4"));
        QCOMPARE(w.Text(3, 2), tx);
    }

    // The question comes exactly when closing, New or Open would lose
    // changes, and each answer does what it says.
    void questionBeforeWorkIsLost_data()
    {
        QTest::addColumn<QString>("change");  // what the user did before
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("answer");      // UnsavedAnswer; -1: Save, but the save dialog is cancelled
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("goesOn");
        const int save = int(UnsavedAnswer::Save), discard = int(UnsavedAnswer::Discard),
                  cancel = int(UnsavedAnswer::Cancel);
        QTest::newRow("nothing changed, close") << "nothing" << "close" << cancel << false << true;
        QTest::newRow("nothing changed, New") << "nothing" << "new" << cancel << false << true;
        QTest::newRow("cells only passed through, close") << "clicked" << "close" << cancel << false << true;
        QTest::newRow("read from the radio, close") << "read" << "close" << cancel << false << true;
        QTest::newRow("edited and saved, close") << "saved" << "close" << cancel << false << true;
        QTest::newRow("after New, close") << "new" << "close" << cancel << false << true;
        QTest::newRow("a choice from a list, close, Cancel") << "chosen" << "close" << cancel << true << false;
        QTest::newRow("a choice from a list, close, Save") << "chosen" << "close" << save << true << true;
        QTest::newRow("typing, close, Cancel") << "typed" << "close" << cancel << true << false;
        QTest::newRow("typing, close, Discard") << "typed" << "close" << discard << true << true;
        QTest::newRow("typing, close, Save") << "typed" << "close" << save << true << true;
        QTest::newRow("typing, close, Save cancelled") << "typed" << "close" << -1 << true << false;
        QTest::newRow("paste, New, Cancel") << "pasted" << "new" << cancel << true << false;
        QTest::newRow("paste, New, Discard") << "pasted" << "new" << discard << true << true;
        QTest::newRow("paste, Open, Save") << "pasted" << "open" << save << true << true;
        QTest::newRow("paste, Open, Cancel") << "pasted" << "open" << cancel << true << false;
        QTest::newRow("paste, Read, Cancel") << "pasted" << "read" << cancel << true << false;
        QTest::newRow("paste, Read, Discard") << "pasted" << "read" << discard << true << true;
    }
    void questionBeforeWorkIsLost()
    {
        QFETCH(QString, change);
        QFETCH(QString, action);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, goesOn);
        const QString saved = dir_.filePath(QStringLiteral("question.chnw"));
        const QString other = dir_.filePath(QStringLiteral("other.chnw"));
        QFile::remove(saved);
        QVERIFY(!WriteChannelFile(other, ChannelTable(), 100, QStringLiteral("tes")).Failure);
        Window w;
        if (change == "typed") {
            w.TypeInto(1, 90, "455.1");  // the cell is not left
        } else if (change == "clicked") {
            w.Click(2, 1);  // a visit alone changes nothing: 476.4250 stays as it is
            w.Click(1, 5);
            QCOMPARE(w.Text(1, 1), QStringLiteral("476.4250"));
        } else if (change == "chosen") {
            w.Click(5, 3);
            w.Choose(1);
        } else if (change == "pasted") {
            w.Click(1, 2);
            w->N1Click(TForm2::RowAction::Copy);
            w.Click(1, 90);
            w->N1Click(TForm2::RowAction::Paste);
        } else if (change == "saved") {
            w.TypeInto(1, 90, "455.1");
            w.fileToSave = dir_.filePath(QStringLiteral("earlier.chnw"));
            w->Button4Click();
        } else if (change == "read") {
            w.radio->SetMemory(RandomMemory(1));
            w->Button1Click();
        } else if (change == "new") {
            w.TypeInto(1, 90, "455.1");
            w.answer = UnsavedAnswer::Discard;
            w->Button3Click();
            w.asked.clear();
        }
        const ChannelTable before = w->Table();
        w.answer = answer < 0 ? UnsavedAnswer::Save : UnsavedAnswer(answer);
        w.fileToSave = answer < 0 ? QString() : saved;
        w.fileToOpen = other;

        if (action == "close")
            w->close();
        else if (action == "new")
            w->Button3Click();
        else if (action == "read")
            w->Button1Click();
        else
            w->Button5Click();

        QCOMPARE(w.asked.size(), asked ? 1 : 0);
        if (action == "close")
            QTRY_COMPARE(w.form.isNull(), goesOn);
        else
            QCOMPARE(w->Table() != before, goesOn);
        ChannelTable inFile;
        QCOMPARE(!ReadChannelFile(saved, QStringLiteral("tes"), inFile).Failure, answer == int(UnsavedAnswer::Save));
        if (answer == int(UnsavedAnswer::Save))
            QCOMPARE(inFile, before);
    }

    // The title keeps the designed text in front, then the file last opened
    // or saved, and a star while there are unsaved changes.
    void titleShowsFileAndChanges()
    {
        const QString designed = QStringLiteral("FANE5[400-480.9995Mhz] Channel config");
        Window w;
        const auto title = [&] { return w->Panel2->Label31->text(); };
        w.TypeInto(1, 90, "455.1");
        w.Click(1, 91);
        QCOMPARE(title(), designed + " *");
        w.fileToSave = dir_.filePath(QStringLiteral("home.chnw"));
        w->Button4Click();
        QCOMPARE(title(), designed + " - home.chnw");
        w.Click(5, 90);
        w.Choose(1);
        w.Click(1, 90);
        QCOMPARE(title(), designed + " - home.chnw *");
        w.answer = UnsavedAnswer::Discard;
        w->Button3Click();
        QCOMPARE(title(), designed);
        w.fileToOpen = w.fileToSave;
        w->Button5Click();
        QCOMPARE(title(), designed + " - home.chnw");
        QCOMPARE(w.Text(90, 5), QStringLiteral("High"));
    }

    // Every kind of change is one step: undo gives back the table's file
    // line for line and returns to the cell of the change; redo gives back
    // the change.
    void undoRedoRoundTrips_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("steps");   // how many such steps are made and undone
        QTest::addColumn<int>("column");  // the cell undo returns to
        QTest::addColumn<int>("row");
        QTest::newRow("cell edit") << "edit" << "Edit RX Frequency(MHZ), row 90" << 1 << 1 << 90;
        QTest::newRow("typing, cell not left") << "typing" << "Edit RX Frequency(MHZ), row 90" << 1 << 1 << 90;
        QTest::newRow("list choice") << "choice" << "Choose Low in TX Power, row 3" << 1 << 5 << 3;
        QTest::newRow("paste") << "paste" << "Paste row 83" << 1 << 1 << 83;
        QTest::newRow("clear") << "clear" << "Clear row 7" << 1 << 1 << 7;
        QTest::newRow("New") << "new" << "New" << 1 << 1 << 95;
        QTest::newRow("Open") << "open" << "Open random.chnw" << 1 << 1 << 95;
        QTest::newRow("Read") << "read" << "Read from radio" << 1 << 1 << 95;
        QTest::newRow("100 steps") << "clear and paste" << "Paste row 5" << 100 << 1 << 5;
        QTest::newRow("several rows cleared") << "clear rows" << "Clear rows 5-7" << 1 << 1 << 95;
        QTest::newRow("rows apart cleared") << "clear rows apart" << "Clear rows 5, 7-8" << 1 << 1 << 95;
        QTest::newRow("rows moved") << "move" << "Move row 90 up" << 1 << 1 << 90;
        QTest::newRow("CSV imported") << "csv" << "Import random.csv" << 1 << 1 << 95;
        QTest::newRow("radio image opened") << "image" << "Open random.img" << 1 << 1 << 95;
    }
    void undoRedoRoundTrips()
    {
        QFETCH(QString, change);
        QFETCH(QString, step);
        QFETCH(int, steps);
        QFETCH(int, column);
        QFETCH(int, row);
        const auto lines = [](const ChannelTable& table) {
            return ChannelTableToLines(table, ChannelTable::RowCount, QStringLiteral("tes"));
        };
        QRandomGenerator random(5);
        const QString path = dir_.filePath(QStringLiteral("random.chnw"));
        QVERIFY(!WriteChannelFile(path, RandomChannelTable(random), 129, QStringLiteral("tes")).Failure);
        Window w;
        w.radio->SetMemory(RandomMemory(1));
        w.answer = UnsavedAnswer::Discard;
        w.fileToOpen = path;
        w.Click(1, 95);  // leaving a cell of an empty row changes nothing
        if (change == "move") {
            w.TypeInto(1, 90, "455.1");
            w.Click(1, 90);
        }
        w.exchangeFile = dir_.filePath(QStringLiteral("random.") + (change == "csv" ? "csv" : "img"));
        if (change == "csv")
            QVERIFY(!WriteCsvFile(w.exchangeFile, QStringLiteral("Location,Frequency,Mode,Name\n95,470.0,FM,ONE\n")));
        if (change == "image")
            QVERIFY(!WriteImageFile(w.exchangeFile, RandomChannelImage(random)));
        const QStringList before = lines(w->Table());
        if (change == "edit" || change == "typing") {
            w.TypeInto(1, 90, "455.1");
            if (change == "edit")
                w.Click(1, 91);
        } else if (change == "choice") {
            w.Click(5, 3);
            w.Choose(1);
            w.Click(1, 4);
        } else if (change == "paste") {
            w.Click(3, 2);  // leaving a frequency would snap it: a step of its own
            w->N1Click(TForm2::RowAction::Copy);
            w.Click(1, 83);
            w->N1Click(TForm2::RowAction::Paste);
        } else if (change == "clear") {
            w.Click(1, 7);
            w->N1Click(TForm2::RowAction::Clear);
        } else if (change == "new") {
            w->Button3Click();
        } else if (change == "open") {
            w->Button5Click();
        } else if (change == "read") {
            w->Button1Click();
        } else if (change == "clear and paste") {
            w.Click(1, 5);
            w->N1Click(TForm2::RowAction::Copy);
            for (int i = 0; i < steps / 2; ++i) {
                w->N1Click(TForm2::RowAction::Clear);
                w->N1Click(TForm2::RowAction::Paste);
            }
        } else if (change == "clear rows") {
            w.ClickRowNumber(5);
            w.ClickRowNumber(7, Qt::ShiftModifier);
            w->N1Click(TForm2::RowAction::Clear);
        } else if (change == "clear rows apart") {
            for (int row : {5, 7, 8})
                w.ClickRowNumber(row, Qt::ControlModifier);
            w->N1Click(TForm2::RowAction::Clear);
        } else if (change == "move") {
            w->MoveRows(-1);
        } else if (change == "csv") {
            w->ImportCsv();
        } else if (change == "image") {
            w->OpenRadioImage();
        }
        const QStringList after = lines(w->Table());
        QVERIFY(after != before);
        w->EndTyping();
        QCOMPARE(w->UndoStack().undoText(), step);

        for (int i = 0; i < steps; ++i)
            w->UndoStack().undo();
        QCOMPARE(lines(w->Table()), before);
        int c, r;
        w.Current(c, r);
        QCOMPARE(c, column);
        QCOMPARE(r, row);
        for (int i = 0; i < steps; ++i)
            w->UndoStack().redo();
        QCOMPARE(lines(w->Table()), after);
    }

    // Save writes the file last opened or saved at once, and so does the
    // question's Save; Save as, and Save before there is a file, ask with
    // the current file filled in.
    void saveWritesTheCurrentFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("opened");          // a file was opened first
        QTest::addColumn<QStringList>("dialogs");  // what each save dialog started with; "file": the opened one
        QTest::newRow("Save, no file yet") << "save" << false << QStringList{""};
        QTest::newRow("Save, file opened") << "save" << true << QStringList{};
        QTest::newRow("Save as, file opened") << "save as" << true << QStringList{"file"};
        QTest::newRow("the question's Save, file opened") << "question" << true << QStringList{};
    }
    void saveWritesTheCurrentFile()
    {
        QFETCH(QString, how);
        QFETCH(bool, opened);
        QFETCH(QStringList, dialogs);
        const QString file = dir_.filePath(QStringLiteral("current.chnw"));
        const QString chosen = dir_.filePath(QStringLiteral("chosen.chnw"));
        QFile::remove(chosen);
        QVERIFY(!WriteChannelFile(file, ChannelTable(), 100, QStringLiteral("tes")).Failure);
        Window w;
        w.fileToOpen = file;
        w.fileToSave = chosen;
        if (opened)
            w->Button5Click();
        w.TypeInto(1, 90, "455.1");
        if (how == "save") {
            w->SaveCurrentFile();
        } else if (how == "save as") {
            w->Button4Click();
        } else {
            w.answer = UnsavedAnswer::Save;
            w->close();
            QTRY_VERIFY(w.form.isNull());
            QCOMPARE(w.asked, QStringList{"Save the changes to the channel table current.chnw?"});
        }
        dialogs.replaceInStrings(QStringLiteral("file"), file);
        QCOMPARE(w.saveDialogs, dialogs);
        ChannelTable inFile;
        QVERIFY(!ReadChannelFile(dialogs.isEmpty() ? file : chosen, QStringLiteral("tes"), inFile).Failure);
        QCOMPARE(inFile.Text(90, ColRx), QStringLiteral("455.1"));
    }

    // Rows that do not all fit from the current row down are refused whole,
    // with how many do not fit: rows copied here and text from elsewhere.
    void pasteNeverDropsLines_data()
    {
        QTest::addColumn<bool>("copiedHere");
        QTest::newRow("rows copied in this window") << true;
        QTest::newRow("text from another program") << false;
    }
    void pasteNeverDropsLines()
    {
        QFETCH(bool, copiedHere);
        Window w;
        w.Drag(5, 10, 13);
        w->N1Click(TForm2::RowAction::Copy);
        if (!copiedHere)
            QApplication::clipboard()->setText(QApplication::clipboard()->text().replace("\r\n", "\n"));
        w.Click(1, 97);
        const ChannelTable before = w->Table();
        QTest::keyClick(w->StringGrid1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w->Table(), before);
        QCOMPARE(w.ui.Texts(),
                 QStringList{"Nothing pasted: 1 of the 4 rows does not fit: from row 97 down there is room for 3"});
    }

    // Tab leaves a cell, a list cell too (taking the list's value), for the
    // next shown cell the window lets the user choose; Shift+Tab goes back.
    void tabMovesToTheNextCell_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("back");
        QTest::addColumn<QList<int>>("path");  // column, row after each key
        QTest::newRow("list to list") << 5 << 3 << false << QList<int>{6, 3, 7, 3};
        QTest::newRow("past hidden columns and a refused repeater cell") << 7 << 9 << false << QList<int>{11, 9, 1, 10};
        QTest::newRow("typed cell, back to the row before") << 1 << 9 << true << QList<int>{11, 8};
    }
    void tabMovesToTheNextCell()
    {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(bool, back);
        QFETCH(QList<int>, path);
        Window w;
        w.Click(column, row);
        if (column == ColPower)
            w.Choose(1);
        for (int step = 0; step < path.size(); step += 2) {
            QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab);
            int c, r;
            w.Current(c, r);
            QCOMPARE(c, path[step]);
            QCOMPARE(r, path[step + 1]);
            QCOMPARE(w.ListOpen(), c != ColRx);
        }
        if (column == ColPower)
            QCOMPARE(w.Text(row, ColPower), QStringLiteral("Low"));
    }

    // Past the grid's last cell Tab goes on to the buttons, before its first
    // Shift+Tab goes back to them, and on round the window into the grid.
    void tabGoesRoundTheWindow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("back");
        QTest::addColumn<QString>("button");
        QTest::newRow("Tab past channel 99") << 99 << false << "Read";
        QTest::newRow("Shift+Tab before channel 1") << 1 << true << "Close";
    }
    void tabGoesRoundTheWindow()
    {
        QFETCH(int, row);
        QFETCH(bool, back);
        QFETCH(QString, button);
        Window w;
        w.Click(ColRx, row);
        const auto press = [back] { QTest::keyClick(QApplication::focusWidget(), back ? Qt::Key_Backtab : Qt::Key_Tab); };
        for (int key = 0; key < ColName && QApplication::focusWidget() == w->StringGrid1; ++key)
            press();  // along the row's shown cells and out
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        QVERIFY(focused);
        QCOMPARE(focused->text(), button);
        for (int key = 0; key < 6; ++key)
            press();
        QCOMPARE(QApplication::focusWidget(), w->StringGrid1);
    }

    // The wheel over a closed list scrolls the grid and changes no value.
    void wheelOverAClosedListScrolls()
    {
        Window w;
        w.Click(ColPower, 3);
        const int top = w->StringGrid1->verticalScrollBar()->value();
        const QPointF inside(5, 5);
        QWheelEvent wheel(inside, w->ComboBox1()->mapToGlobal(inside), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w->ComboBox1(), &wheel);
        QVERIFY(w->StringGrid1->verticalScrollBar()->value() > top);
        QCOMPARE(w->ComboBox1()->currentText(), QStringLiteral("High"));
        w.Click(ColRx, 4);
        QCOMPARE(w.Text(3, ColPower), QStringLiteral("High"));
    }

    // "Show all columns" (the header's popup) shows CH-Name, OptSingal and
    // SPUnmute, widens a window as wide as its columns, and is kept for the
    // next window; a name is then typed where it shows.
    void showAllColumns()
    {
        int narrow = 0;
        {
            Window w;
            narrow = w->width();
            w->ShowColumnsItem->trigger();
            for (int column : {ColOptSignal, ColUnmute, ColName})
                QVERIFY(!w->StringGrid1->isColumnHidden(column));
            QVERIFY(w->width() > narrow);
            QCOMPARE(w->StringGrid1->horizontalHeader()->length(), w->StringGrid1->viewport()->width());
            w.TypeInto(ColName, 3, "ab1");
            QCOMPARE(w.Text(3, ColName), QStringLiteral("AB1"));
        }
        Window again;
        QVERIFY(!again->StringGrid1->isColumnHidden(ColName));
        again->ShowColumnsItem->trigger();
        QVERIFY(again->StringGrid1->isColumnHidden(ColName));
        QCOMPARE(again->width(), narrow);
    }

    // Scrolled to the right, the grid keeps the Channel column at its left
    // edge, where a row number still chooses its row; a cell moved to is not
    // left under it.
    void channelColumnStaysInView()
    {
        Window w;
        w->resize(w->minimumSize());
        QScrollBar* bar = w->StringGrid1->horizontalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum());
        const QRect number = w->StringGrid1->visualRect(w->Model()->IndexOf(5, 0));
        QCOMPARE(number.left(), 0);
        QTest::mouseClick(w->StringGrid1->viewport(), Qt::LeftButton, {}, QPoint(3, number.center().y()));
        QCOMPARE(w.Selected(), std::vector<int>{5});
        w.Click(ColRx, 5);
        QVERIFY(w.CellRect(ColRx, 5).left() >= w->StringGrid1->columnWidth(0));
    }

    // Open radio image lists the images of other programs (*.bin) too.
    void imageDialogListsBin()
    {
        QStringList filters;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                filters = dialog->nameFilters();
                dialog->reject();
            }
        });
        poll.start(10);
        ChooseExchangeFile(nullptr, ExchangeFile::Image, false);
        QCOMPARE(filters, QStringList{"Radio image(*.img *.bin)"});
    }

private:
    static void SetDefaultRowForTest(ChannelTable& table, int row)
    {
        table.SetText(row, 1, QStringLiteral("450.00000"));
        table.SetText(row, 2, QStringLiteral("450.00000"));
        table.SetText(row, 3, WordOff);
        table.SetText(row, 4, WordOff);
    }

private slots:
    // What a screen reader finds: every control named by what it is.
    void accessibleNames_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::newRow("grid") << "grid" << "Channels" << int(QAccessible::Table);
        QTest::newRow("progress bar") << "progress" << "Progress" << int(QAccessible::ProgressBar);
        QTest::newRow("Read") << "Button1" << "Read" << int(QAccessible::Button);
        QTest::newRow("Write") << "Button2" << "Write" << int(QAccessible::Button);
        QTest::newRow("Close") << "Button6" << "Close" << int(QAccessible::Button);
    }
    void accessibleNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(int, role);
        Window w;
        QWidget* widget = control == "grid" ? static_cast<QWidget*>(w->StringGrid1)
            : control == "progress"         ? static_cast<QWidget*>(w->ProgressBar1)
            : control == "Button1"          ? w->Button1
            : control == "Button2"          ? w->Button2
                                            : w->Button6;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(face);
        QCOMPARE(face->text(QAccessible::Name), name);
        QCOMPARE(int(face->role()), role);
    }

    void windowNamedByItsTitle()
    {
        Window w;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w.form.data());
        QCOMPARE(face->text(QAccessible::Name), w->Panel2->Label31->text());
        QVERIFY(face->text(QAccessible::Name).endsWith(ChannelTitleSuffix));
        w.Click(ColPower, 3);
        w.Choose(1);
        QVERIFY(face->text(QAccessible::Name).endsWith(u'*'));
    }

    // The import preview's controls read what they are or set; it opens on its lines.
    void csvPreviewNames()
    {
        const BandLimits band{400, 480.9995L, 400, 480.9995L};
        const CsvFile file = ReadCsvChannels(QStringLiteral("Location,Name,Frequency,Mode\r\n85,A,470,FM\r\n"), band);
        const ChannelTable table = DefaultChannelTable();
        CsvImportDialog dialog(QStringLiteral("list.csv"), file, table, band);
        const std::pair<QWidget*, QString> names[] = {
            {dialog.Lines, "Lines of the file"}, {dialog.AtLocation, "Place the lines at their Location"},
            {dialog.FromRow, "Place the lines in file order from a row"}, {dialog.FirstRow, "From row"},
            {dialog.ReplaceRows, "Also replace rows that hold a channel"}, {dialog.Detail, "Current line 2: placed"}};
        for (const auto& [control, name] : names)
            QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), name);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), dialog.Lines);
    }

    // A cell reads its column, channel and value; an empty one says so;
    // headers read without padding, row headers as channels.
    void cellTexts_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("RX of channel 1") << int(ColRx) << 1 << "RX Frequency(MHZ), channel 1, %v";
        QTest::newRow("power of channel 3") << int(ColPower) << 3 << "TX Power, channel 3, High";
        QTest::newRow("bandwidth, padded title") << int(ColBandwidth) << 3 << "W/N, channel 3, %v";
        QTest::newRow("empty RX") << int(ColRx) << 81 << "RX Frequency(MHZ), channel 81, empty";
        QTest::newRow("empty name") << int(ColName) << 90 << "CH-Name, channel 90, empty";
    }
    void cellTexts()
    {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(QString, spoken);
        Window w;
        w->ShowAllColumns(true);
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(w->StringGrid1);
        QAccessibleTableInterface* table = grid->tableInterface();
        QVERIFY(table);
        QAccessibleInterface* cell = table->cellAt(row - 1, column);
        QVERIFY(cell);
        spoken.replace(QStringLiteral("%v"), w.Text(row, column));
        QCOMPARE(cell->text(QAccessible::Name), spoken);
        QCOMPARE(w->Model()->headerData(column, Qt::Horizontal, Qt::AccessibleTextRole).toString(),
                 ColumnTitles[column].trimmed());
        QCOMPARE(w->Model()->headerData(row - 1, Qt::Vertical, Qt::AccessibleTextRole).toString(),
                 QStringLiteral("channel %1").arg(row));
    }

    // An open list is named by its cell's place, with its value.
    void listEditorNamed_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::newRow("power") << int(ColPower) << 3 << "TX Power, channel 3, High";
        QTest::newRow("encode tone") << int(ColEncodeTone) << 12 << "CTCSS/DCS Enc, channel 12, Off";
        QTest::newRow("typed cell") << int(ColTx) << 5 << "TX Frequency(MHZ), channel 5";
    }
    void listEditorNamed()
    {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(QString, name);
        Window w;
        w.Click(column, row);
        if (IsChoiceColumn(column)) {
            QVERIFY(w.ListOpen());
        } else {
            w.Type(QStringLiteral("4"));
        }
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(editor && editor != w->StringGrid1);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(editor);
        QCOMPARE(face->text(QAccessible::Name), name);
    }

    // Shift+F10 and the Menu key open the row popup from the grid or an
    // open list, with its first item current.
    void keyboardPopup_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Shift+F10, typed cell") << int(ColRx) << 1 << int(Qt::Key_F10) << int(Qt::ShiftModifier);
        QTest::newRow("Shift+F10, list cell") << int(ColPower) << 3 << int(Qt::Key_F10) << int(Qt::ShiftModifier);
        QTest::newRow("Menu key, list cell") << int(ColPower) << 3 << int(Qt::Key_Menu) << int(Qt::NoModifier);
    }
    void keyboardPopup()
    {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Window w;
        w.Click(column, row);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QTRY_VERIFY(w->PopupMenu1->isVisible());
        QCOMPARE(w->PopupMenu1->activeAction(), w->C1);
        w->PopupMenu1->close();
    }
};

QTEST_MAIN(TestChannelWindow)
#include "tst_celframe.moc"
