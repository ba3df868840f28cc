#include "GuidePictures.h"

#include "app/DemoRadio.h"
#include "app/PortChoice.h"
#include "app/main_f.h"
#include "base/languagestr.h"
#include "channels/ChannelRows.h"
#include "channels/ImageVerify.h"
#include "link/LinkUi.h"
#include "ui/channels/ChannelGridModel.h"
#include "ui/channels/ChannelGridView.h"
#include "ui/channels/celframe.h"
#include "ui/common/HistoryDialog.h"
#include "ui/options/OptionDova.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The main window as `fane5 --demo` shows it, with its port store in a
// scratch folder and one USB cable in the Port menu, so that the pictures
// look the same on every machine.
class DemoProgram {
public:
    void Start()
    {
        auto store = std::make_unique<QSettings>(scratch_.filePath(QStringLiteral("Vimo.conf")),
                                                 QSettings::IniFormat);
        store->beginGroup(QStringLiteral("PortSet"));
        ports_ = std::make_unique<PortChoice>(std::move(store), [] { return QStringList{"/dev/ttyUSB0"}; },
                                              PortListKind::DeviceList);
        ports_->SetLineMaker([](const QString&) { return nullptr; });  // that cable is only for the picture
        form_ = std::make_unique<TForm1>(log_, *ports_);
        // The pictures' edits are not kept: closing a window discards them.
        form_->SetChannelForm([this](QWidget* owner) {
            auto* form = new TForm2(owner);
            form->SetLinkUi(&log_);
            form->SetRadioLink(link_);
            form->AskUnsaved = Discard;
            form->ChooseSaveFile = [this](QWidget*, const QString&) {
                return scratch_.filePath(QStringLiteral("home.chnw"));
            };
            return form;
        });
        form_->SetParamForm([this](QWidget* owner) {
            auto* form = new TFormDova(owner, &log_);
            form->SetRadioLink(link_);
            form->AskUnsaved = Discard;
            return form;
        });
        form_->UseCommandLinePort(DemoPortName());
    }
    bool Show(const QRect& geometry, QString& error)
    {
        form_->setGeometry(geometry);
        form_->show();
        QApplication::setActiveWindow(form_.get());
        if (QTest::qWaitForWindowActive(form_.get()))
            return true;
        error = QStringLiteral("the main window did not become active");
        return false;
    }
    TForm1& Form() { return *form_; }
    TForm2* Channel()
    {
        form_->menu22Click();
        return qobject_cast<TForm2*>(form_->ChannelForm()->widget());
    }
    TFormDova* Options()
    {
        form_->menu23Click();
        return qobject_cast<TFormDova*>(form_->ParamForm()->widget());
    }
    // True when the messages since the last call are exactly `expected`: a
    // completed Read or Write says so, anything else would be a failure in
    // the pictures.
    bool Told(const QStringList& expected, QString& error)
    {
        const QStringList told = std::exchange(log_.texts, {});
        if (told == expected)
            return true;
        error = QStringLiteral("the program said \"%1\"").arg(told.join(QStringLiteral("\", \"")));
        return false;
    }

private:
    static UnsavedAnswer Discard(QWidget*, const QString&) { return UnsavedAnswer::Discard; }

    QTemporaryDir scratch_;
    NotedLinkUi log_;
    std::unique_ptr<PortChoice> ports_;
    std::unique_ptr<InProcessRadio> radio_ = StartDemoRadio();
    RadioLink link_{ProgramLines(radio_.get())};  // outlives the windows that use it
    std::unique_ptr<TForm1> form_;
};

bool Save(const QImage& picture, const QString& folder, const QString& name, QString& error)
{
    const QString path = QDir(folder).filePath(name);
    if (picture.save(path, "PNG", 0))  // 0: the smallest file
        return true;
    error = QStringLiteral("cannot write %1").arg(path);
    return false;
}

// What `window` shows, with `popups` (lists or menus open over it) painted
// where they stand, cut to `part` (in the window's coordinates).
QImage Composed(QWidget* window, const QList<QWidget*>& popups, const QRect& part)
{
    const QPixmap base = window->grab();
    const qreal ratio = base.devicePixelRatio();
    QImage canvas((QSizeF(part.size()) * ratio).toSize(), QImage::Format_RGB32);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(window->palette().color(QPalette::Window));
    QPainter p(&canvas);
    p.translate(-part.topLeft());
    p.drawPixmap(0, 0, base);
    for (QWidget* popup : popups)
        p.drawPixmap(window->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
    return canvas;
}

QRect PopupRect(QWidget* window, QWidget* popup)
{
    return QRect(window->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->size());
}

// The simplex channel of the guide: the first row without a fixed frequency.
constexpr int SimplexRow = 81;

QRect CellRect(TForm2* form, int column, int row)
{
    const QRect cell = form->StringGrid1->visualRect(form->Model()->IndexOf(row, column));
    return cell.translated(form->StringGrid1->viewport()->mapTo(form, QPoint(0, 0)));
}

// Column 0 is the row number: a click there chooses the whole row.
void ClickCell(TForm2* form, int column, int row, Qt::KeyboardModifiers keys = {})
{
    const QModelIndex index = form->Model()->IndexOf(row, column);
    form->StringGrid1->scrollTo(index);
    QTest::mouseClick(form->StringGrid1->viewport(), Qt::LeftButton, keys, form->StringGrid1->visualRect(index).center());
}

void Type(const QString& text)
{
    for (QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

// Clicks a choice cell, so its list opens over it, and picks `item` from
// the dropped-down list.
void Choose(TForm2* form, int column, int row, const QString& item)
{
    ClickCell(form, column, row);
    QComboBox* list = form->ComboBox1();
    list->showPopup();
    list->view()->setCurrentIndex(list->model()->index(list->findText(item), 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
}

// A repeater channel with a tone, and a simplex channel at low power in the
// first row without a fixed frequency; each choice is put into its cell when
// the next cell is clicked.
QImage EditChannels(TForm2* form)
{
    ClickCell(form, ColRx, 1);
    Type(QStringLiteral("439.5"));
    ClickCell(form, ColTx, 1);
    Type(QStringLiteral("431.9"));
    Choose(form, ColEncodeTone, 1, QStringLiteral("88.5"));
    QComboBox* tones = form->ComboBox1();
    tones->showPopup();
    QTest::qWait(50);
    QWidget* list = tones->view()->window();
    const QRect cell(tones->mapTo(form, QPoint(0, 0)), tones->size());
    const QImage toneList = Composed(form, {list}, cell.united(PopupRect(form, list)).adjusted(-90, -40, 90, 12));
    tones->hidePopup();
    Choose(form, ColRepeater, 1, languagestr::WordOn);

    ClickCell(form, ColRx, SimplexRow);
    Type(QStringLiteral("446.00625"));
    ClickCell(form, ColTx, SimplexRow);
    Type(QStringLiteral("446.00625"));
    Choose(form, ColPower, SimplexRow, languagestr::WordLow);
    ClickCell(form, ColRx, 12);
    return toneList;
}

// The upper rows of the channel window.
QImage TopRows(TForm2* form, int rows)
{
    form->StringGrid1->scrollToTop();
    const QModelIndex last = form->Model()->IndexOf(rows, 0);
    const int bottom = form->StringGrid1->viewport()->mapTo(form, form->StringGrid1->visualRect(last).bottomLeft()).y();
    return Composed(form, {}, QRect(0, 0, form->width(), bottom + 4));
}

// Presses the window's Read and takes the picture of what it shows then.
bool ReadAndTake(DemoProgram& program, ChildCommands& child, QWidget* window, const QString& name,
                 const QString& folder, QString& error)
{
    child.Read();
    return program.Told({languagestr::ReciveComplete}, error) && Save(window->grab().toImage(), folder, name, error);
}

// Channels 1 and 81, chosen by their numbers and copied, go into rows 83
// and 84; then those two are chosen and the popup menu opened on them.
QImage ChosenRows(TForm2* form)
{
    ClickCell(form, 0, 1);
    ClickCell(form, 0, SimplexRow, Qt::ControlModifier);
    form->N1Click(TForm2::RowAction::Copy);
    ClickCell(form, ColRx, 83);
    form->N1Click(TForm2::RowAction::Paste);
    form->StringGrid1->scrollTo(form->Model()->IndexOf(78, 0), QAbstractItemView::PositionAtTop);
    ClickCell(form, 0, 83);
    ClickCell(form, 0, 84, Qt::ShiftModifier);
    form->PopupMenu1->popup(form->mapToGlobal(CellRect(form, ColRx, 84).center() + QPoint(0, 14)));
    QTest::qWait(50);
    const QRect rows = CellRect(form, 0, 78).united(CellRect(form, ColPower, 86));
    const QImage picture = Composed(form, {form->PopupMenu1}, rows.united(PopupRect(form, form->PopupMenu1)));
    form->PopupMenu1->hide();
    return picture;
}

// A menu of the main window open, cut to the menu and what stands left of
// it, and at least `width` wide.
QImage OpenMenu(TForm1& form, QMenu* menu, int width, QMenu* submenu = nullptr)
{
    form.menuBar()->setActiveAction(menu->menuAction());
    QTest::qWait(50);
    QList<QWidget*> open{menu};
    if (submenu) {
        menu->setActiveAction(submenu->menuAction());
        QTest::qWait(50);
        open << submenu;
    }
    QRect part;
    for (QWidget* popup : open)
        part = part.united(PopupRect(&form, popup));
    const QImage picture =
        Composed(&form, open, QRect(0, 0, std::max(width, part.right() + 24), part.bottom() + 12));
    menu->hide();
    return picture;
}

// The channel table saved as home.chnw and changed again: the File menu
// lists it, the Edit menu can undo the change, and the channel window's
// title (beside the Edit menu) shows the file and the change.
bool MenuPictures(DemoProgram& program, TForm2* channel, const QString& folder, QString& error)
{
    channel->Button4Click();  // Save
    const QImage rows = ChosenRows(channel);
    TForm1& form = program.Form();
    return Save(rows, folder, QStringLiteral("rows-chosen.png"), error)
        && Save(OpenMenu(form, form.menu20, 640), folder, QStringLiteral("edit-menu.png"), error)
        && Save(OpenMenu(form, form.menu10, 0, form.RecentMenu), folder, QStringLiteral("file-menu.png"), error);
}

bool ChannelPictures(DemoProgram& program, const QString& folder, QString& error)
{
    TForm2* channel = program.Channel();
    if (!ReadAndTake(program, *channel, channel, QStringLiteral("channel-window.png"), folder, error))
        return false;
    const QImage toneList = EditChannels(channel);
    if (!Save(toneList, folder, QStringLiteral("tone-list.png"), error)
        || !Save(TopRows(channel, 12), folder, QStringLiteral("channel-edited.png"), error))
        return false;
    channel->Button2Click();  // Write, verified: the pictures' settings are fresh
    if (!program.Told({languagestr::TranslateComplete + u'\n' + VerifiedMessage()}, error)
        || !MenuPictures(program, channel, folder, error))
        return false;
    channel->Button6Click();
    return true;
}

// The channel read, the channel write and the option read just made.
bool HistoryPicture(DemoProgram& program, const QString& folder, QString& error)
{
    HistoryDialog dialog(&program.Form());
    dialog.resize(520, 200);
    // The folder as a user finds it, not the pictures' scratch home.
    dialog.FolderLabel->setText(
        dialog.FolderLabel->text().replace(HistoryFolder(), QStringLiteral("~/.local/share/fane5/history")));
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) {
        error = QStringLiteral("the radio history did not show");
        return false;
    }
    return Save(dialog.grab().toImage(), folder, QStringLiteral("radio-history.png"), error);
}

bool OptionPictures(DemoProgram& program, const QString& folder, QString& error)
{
    TFormDova* options = program.Options();
    if (!ReadAndTake(program, *options, options, QStringLiteral("options-window.png"), folder, error))
        return false;
    options->ComboBox2->showPopup();
    QTest::qWait(50);
    QWidget* list = options->ComboBox2->view()->window();
    const QImage picture = Composed(options, {list}, options->rect().united(PopupRect(options, list)));
    options->ComboBox2->hidePopup();
    options->Button6Click();
    QTest::qWait(50);  // the closed window goes before the main window does
    return Save(picture, folder, QStringLiteral("options-list.png"), error);
}

bool MainWindowPictures(DemoProgram& program, const QString& folder, QString& error)
{
    TForm1& form = program.Form();
    if (!Save(form.grab().toImage(), folder, QStringLiteral("main-window.png"), error))
        return false;
    form.menuBar()->setActiveAction(form.menu30->menuAction());
    QTest::qWait(50);
    const QRect menu = PopupRect(&form, form.menu30);
    const QImage picture = Composed(&form, {form.menu30}, QRect(0, 0, 520, menu.bottom() + 24));
    form.menu30->hide();
    return Save(picture, folder, QStringLiteral("port-menu.png"), error);
}

} // namespace

bool MakeGuidePictures(const QString& folder, QString& error)
{
    DemoProgram program;
    program.Start();
    return program.Show(QRect(0, 0, 1000, 760), error)
        && MainWindowPictures(program, folder, error) && ChannelPictures(program, folder, error)
        && OptionPictures(program, folder, error) && HistoryPicture(program, folder, error);
}

bool MakeScaledPictures(const QString& folder, QString& error)
{
    DemoProgram program;
    program.Start();
    if (!program.Show(QGuiApplication::primaryScreen()->availableGeometry(), error))
        return false;
    TForm1& form = program.Form();
    TForm2* channel = program.Channel();
    if (!Save(form.grab().toImage(), folder, QStringLiteral("fit-150-channel.png"), error))
        return false;
    channel->Button6Click();
    QTest::qWait(50);
    program.Options();
    return Save(form.grab().toImage(), folder, QStringLiteral("fit-150-options.png"), error);
}
