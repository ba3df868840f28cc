// TForm2 and the radio officer's tools: the compare with the radio, which
// leaves the grid alone, and the run of radios.
#include "celframe.h"

#include "ProgramRadiosDialog.h"
#include "ui/common/CompareDialog.h"

#include <QComboBox>
#include <QProgressBar>

void TForm2::CompareWithRadio()
{
    if (TransferBusy)
        return;
    if (ComboBox1->isVisible())
        CommitComboText();
    const CompareReport report = CompareChannelsWithRadio(Exchange(), table_);
    ProgressBar1->setValue(0);
    if (!report.Read.Check.Ok)
        return ShowBadCell(report.Read.Check.Message, report.Read.Check.Column, report.Read.Check.Row);
    if (report.Read.Done && ShowCompareList(this, report, true))
        Button2Click();
}

void TForm2::ProgramRadios()
{
    if (TransferBusy)
        return;
    if (ComboBox1->isVisible())
        CommitComboText();
    ProgramRadiosDialog dialog(table_, filePath_, [this](QProgressBar* bar) {
        return WindowExchangeSetup(this, *link_, *ui_, bar);
    }, this);
    dialog.exec();
}
