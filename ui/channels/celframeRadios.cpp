// TForm2 and the radio officer's tools: the compare with the radio, which
// leaves the grid alone, and the run of radios.
#include "celframe.h"

#include "ChannelGridView.h"
#include "ProgramRadiosDialog.h"
#include "ui/common/CompareDialog.h"

#include <QProgressBar>

void TForm2::CompareWithRadio()
{
    if (TransferBusy)
        return;
    StringGrid1->EndEditing();
    const CompareReport report = CompareChannelsWithRadio(Exchange(), table_);
    ProgressBar1->setValue(0);
    if (const std::optional<Problem>& bad = report.Read.Check)
        return ShowBadCell(bad->Text(), bad->Column, bad->Row);
    if (report.Read.Done && ShowCompareList(this, report, true))
        Button2Click();
}

void TForm2::ProgramRadios()
{
    if (TransferBusy)
        return;
    StringGrid1->EndEditing();
    ProgramRadiosDialog dialog(table_, filePath_, [this](QProgressBar* bar) {
        return WindowExchangeSetup(this, *link_, *ui_, bar);
    }, this);
    dialog.exec();
}
