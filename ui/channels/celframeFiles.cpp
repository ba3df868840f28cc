// TForm2, its channel files and its undo steps: Save and Open, what an
// opened file holds that a write would refuse, and the question before
// unsaved changes are lost.
#include "celframe.h"

#include "ChannelGridModel.h"
#include "ChannelGridView.h"
#include "base/languagestr.h"
#include "channels/ChannelFile.h"
#include "channels/FrequencySnap.h"
#include "channels/RowCheck.h"
#include "ui/common/SnapshotStep.h"
#include "ui/common/UserSettings.h"
#include "ui/common/WindowChrome.h"

#include <QFileInfo>
#include <QLabel>

using namespace languagestr;

void TForm2::Button4Click()
{
    SaveTable(true);
}

void TForm2::SaveCurrentFile()
{
    SaveTable(false);
}

void TForm2::SaveTable(bool choose)
{
    if (TransferBusy)
        return;
    FlushTyping();
    SaveChannelFile(choose);
    StringGrid1->EndEditing();
}

void TForm2::Button5Click()
{
    if (TransferBusy || !MayDiscardChanges())
        return;
    const QString path = ChooseOpenFile(this);
    if (!path.isEmpty())
        LoadChannelFile(path, OpenAs::UserFile);
    StringGrid1->EndEditing();
}

bool TForm2::OpenFileAt(const QString& path, OpenAs as)
{
    if (TransferBusy || (as == OpenAs::UserFile && !MayDiscardChanges()))
        return false;
    const bool opened = LoadChannelFile(path, as);
    StringGrid1->EndEditing();
    return opened;
}

// The file the user chooses, or the current file at once. True when the
// file was written.
bool TForm2::SaveChannelFile(bool choose)
{
    const QString path = choose || filePath_.isEmpty() ? ChooseSaveFile(this, filePath_) : filePath_;
    if (path.isEmpty())
        return false;
    const Outcome<int> result =
        WriteChannelFile(path, table_, model_->RowCount(), ChannelFileKind.toString());
    if (result.Failure) {
        ui_->Notice(result.Failure->In(QFileInfo(path).fileName()), BoxKind::Error);
        return false;
    }
    MarkClean(path);
    NoteRecentFile(path);
    return true;
}

void TForm2::Tell(const QString& path, const QString& reason)
{
    ui_->Notice(QFileInfo(path).fileName() + QStringLiteral(": ") + reason, BoxKind::Error);
}

// A file may hold any text: what a write would refuse is said once, as the
// file opens, rather than at some later click or at Write.
void TForm2::NameRefusedCells(const QString& fileName)
{
    if (const QString notice = RefusedCellsNotice(fileName, table_, CurrentBands()); !notice.isEmpty())
        ui_->Notice(notice, BoxKind::Information);
}

// All or nothing: a file that fails its check changes no cell.
bool TForm2::LoadChannelFile(const QString& path, OpenAs as)
{
    FlushTyping();
    const Outcome<int> result = ReadChannelFile(path, ChannelFileKind.toString(), table_);
    const QString name = QFileInfo(path).fileName();
    if (!result.Failure) {
        editing_->TableReplaced();
        NameRefusedCells(name);
        if (as == OpenAs::UserFile) {
            RecordChange(QStringLiteral("Open %1").arg(name), ActiveCell);
            MarkClean(path);
            NoteRecentFile(path);
        } else {
            RecordChange(QStringLiteral("Open %1 from the radio history").arg(name), ActiveCell);
        }
    } else if (result.Failure->What == BadFileType) {
        ui_->Notice(BadFileType, BoxKind::Information);
    } else {
        ui_->Notice(result.Failure->In(name), BoxKind::Error);
    }
    return !result.Failure;
}

// ---- undo steps and unsaved changes ------------------------------------------

void TForm2::RecordChange(const QString& what, Cell cell)
{
    RecordStep(undo_, recorded_, table_, what, [this, cell](const ChannelTable& table) { ShowTable(table, cell); });
}

void TForm2::RecordCellEdit(Cell cell)
{
    RecordChange(QStringLiteral("Edit ") + ChangedCellName(cell), cell);
}

// Typing not yet followed by leaving the cell becomes a step of its own.
void TForm2::FlushTyping()
{
    StringGrid1->EndEditing();
    RecordCellEdit(ActiveCell);
}

// An undo or redo: the table as it was, and the cell where the change was.
void TForm2::ShowTable(const ChannelTable& table, Cell cell)
{
    StringGrid1->EndEditing();
    table_ = table;
    recorded_ = table;
    editing_->TableReplaced();
    editing_->MoveToCell(cell.Column, cell.Row);
}

// Save writes the current file at once, as the File menu's Save does.
bool TForm2::MayDiscardChanges()
{
    FlushTyping();
    return MayLoseChanges(!undo_.isClean(), AskUnsaved, this,
                          SaveChangesQuestion(QStringLiteral("channel table"), filePath_),
                          [this] { return SaveChannelFile(false); });
}

void TForm2::MarkClean(const QString& path)
{
    filePath_ = path;
    readAt_ = {};
    undo_.setClean();
    UpdateTitle();
}

void TForm2::UpdateTitle()
{
    Panel2->ShowTitle(TitleWithFile(designedTitle_, filePath_, !undo_.isClean()));
}
