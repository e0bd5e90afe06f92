#include "QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
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

bool QtDialogs::RunFileDialog(bool save, const FileDialogRequest &request, std::string &fileName)
{
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(request.title),
                       QString::fromStdString(request.initialDir));
    QStringList filters;
    for (const std::string &filter : request.filters)
        filters << QString::fromStdString(filter);
    dialog.setNameFilters(filters);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.defaultExt.empty())
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
    if (!request.fileName.empty())
        dialog.selectFile(QString::fromStdString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName = dialog.selectedFiles().front().toStdString();
    return true;
}

bool QtDialogs::OpenFile(const FileDialogRequest &request, std::string &fileName)
{
    return RunFileDialog(false, request, fileName);
}

bool QtDialogs::SaveFile(const FileDialogRequest &request, std::string &fileName)
{
    return RunFileDialog(true, request, fileName);
}
