#include "QtDialogs.h"

#include "Printer.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QStringList>

namespace {

QMessageBox::Icon ToQt(DialogIcon icon)
{
    switch (icon) {
    case DialogIcon::Error: return QMessageBox::Critical;
    case DialogIcon::Warning: return QMessageBox::Warning;
    case DialogIcon::Information: return QMessageBox::Information;
    case DialogIcon::Question: return QMessageBox::Question;
    case DialogIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(DialogButtons buttons)
{
    switch (buttons) {
    case DialogButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case DialogButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case DialogButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case DialogButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

DialogAnswer FromQt(int button)
{
    switch (button) {
    case QMessageBox::Yes: return DialogAnswer::Yes;
    case QMessageBox::No: return DialogAnswer::No;
    case QMessageBox::Cancel: return DialogAnswer::Cancel;
    default: return DialogAnswer::Ok;
    }
}

}  // namespace

DialogAnswer QtDialogs::Message(const std::string &text, DialogIcon icon, DialogButtons buttons,
                                const std::string &caption)
{
    const QString title = caption.empty() ? QApplication::applicationName() : QString::fromStdString(caption);
    QMessageBox box(ToQt(icon), title, QString::fromStdString(text), ToQt(buttons), QApplication::activeWindow());
    return FromQt(box.exec());
}

bool QtDialogs::RunFileDialog(bool save, const FileDialogRequest &request, FileDialogChoice &choice)
{
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(request.title),
                       QString::fromStdString(request.initialDir));
    QStringList filters;
    for (const std::string &filter : request.filters)
        filters << QString::fromStdString(filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.defaultExt.empty())
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
    if (!request.fileName.empty())
        dialog.selectFile(QString::fromStdString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    choice.fileName = dialog.selectedFiles().front().toStdString();
    choice.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return true;
}

bool QtDialogs::OpenFile(const FileDialogRequest &request, FileDialogChoice &choice)
{
    return RunFileDialog(false, request, choice);
}

bool QtDialogs::SaveFile(const FileDialogRequest &request, FileDialogChoice &choice)
{
    return RunFileDialog(true, request, choice);
}

bool QtDialogs::PrintSetup()
{
    QPrintDialog dialog(&Printer(), QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}
