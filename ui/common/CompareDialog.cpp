#include "CompareDialog.h"
#include "Accessibility.h"
#include "KeepFocus.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString SummaryText(const CompareReport& report, bool channels)
{
    if (report.Same())
        return channels ? QStringLiteral("The radio holds exactly the channels shown here.")
                        : QStringLiteral("The radio holds exactly the options shown here.");
    const qsizetype n = report.Differences.size();
    return QStringLiteral("A write would change %1 %2 on the radio:")
        .arg(n)
        .arg(channels ? (n == 1 ? QStringLiteral("field") : QStringLiteral("fields"))
                      : (n == 1 ? QStringLiteral("option") : QStringLiteral("options")));
}

} // namespace

CompareDialog::CompareDialog(const CompareReport& report, bool channels, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CompareDialog"));
    setWindowTitle(QStringLiteral("Compare with radio"));
    ReturnFocusWhenDone(this);
    Summary = new QLabel(SummaryText(report, channels), this);
    Differences = new QListWidget(this);
    Differences->setObjectName(QStringLiteral("Differences"));
    NameControl(Differences, QStringLiteral("Differences from the radio"));
    Differences->addItems(report.Differences);
    Differences->setVisible(!report.Same());
    auto* buttons = new QDialogButtonBox(this);
    WriteButton = buttons->addButton(QStringLiteral("Write to radio"), QDialogButtonBox::AcceptRole);
    CloseButton = buttons->addButton(QDialogButtonBox::Close);
    CloseButton->setDefault(true);
    // On the first difference; with none there is nothing to read but the summary.
    report.Same() ? CloseButton->setFocus() : Differences->setFocus();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Summary);
    layout->addWidget(Differences, 1);
    layout->addWidget(buttons);
    resize(report.Same() ? QSize(420, 100) : QSize(560, 360));
}

bool ShowCompareList(QWidget* parent, const CompareReport& report, bool channels)
{
    CompareDialog dialog(report, channels, parent);
    return dialog.exec() == QDialog::Accepted;
}
