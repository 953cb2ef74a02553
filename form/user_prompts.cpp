#include "form/user_prompts.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

#include <memory>

namespace tavimor {
namespace {

// The title of every box. The prompts are no QObject, so their words are
// translated in a context named after them.
QString title() {
    //: The title of every message box: the program's name.
    return QCoreApplication::translate("MessageBoxPrompts", "Tavimor");
}

// The dialog a file prompt runs.
std::unique_ptr<QFileDialog> makeFileDialog(QWidget* parent, FileDialogPurpose purpose,
                                            const QString& folder, const QString& filterLabel) {
    auto dialog = std::make_unique<QFileDialog>(parent, QString(), folder);
    // Qt's own dialog, not the desktop's: only it shows the file-type label
    // exactly as given, where a desktop dialog may rewrite or drop it.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    // The entry shows the label exactly as given, and only profiles are
    // listed (".dat", ".DAT" and ".Dat" alike: the pattern ignores case). A
    // label without a pattern in parentheses gets the pattern out
    // of sight: Qt would otherwise take each of its words for a pattern and
    // list files named "Data" or "Files" too.
    if (filterLabel.endsWith(QLatin1Char(')'))) {
        dialog->setNameFilter(filterLabel);
    } else {
        dialog->setOption(QFileDialog::HideNameFilterDetails);
        dialog->setNameFilter(filterLabel + QStringLiteral(" (*.dat)"));
    }
    dialog->setDefaultSuffix(QString());
    if (purpose == FileDialogPurpose::Save) {
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
    } else {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
    }
    return dialog;
}

QString runFileDialog(QWidget* parent, FileDialogPurpose purpose, const QString& folder,
                      const QString& filterLabel) {
    const std::unique_ptr<QFileDialog> dialog =
        makeFileDialog(parent, purpose, folder, filterLabel);
    if (dialog->exec() != QDialog::Accepted) return {};
    const QStringList files = dialog->selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

// The text can be selected with the mouse, and Ctrl+C copies all of it, so
// that an ID code need not be typed out by hand. Qt's own box copies only on
// some platforms, and then with its title and buttons around the text.
void letTextBeCopied(QMessageBox& box) {
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* copy = new QShortcut(QKeySequence::Copy, &box);
    QObject::connect(copy, &QShortcut::activated, &box,
                     [&box] { QGuiApplication::clipboard()->setText(box.text()); });
}

}  // namespace

void MessageBoxPrompts::showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Ok, parent);
    // The text is shown exactly as given: a reply captured from the service is
    // never to be read as markup.
    box.setTextFormat(Qt::PlainText);
    letTextBeCopied(box);
    box.exec();
}

QString MessageBoxPrompts::chooseFileToSave(QWidget* parent, const QString& folder,
                                            const QString& filterLabel) {
    return runFileDialog(parent, FileDialogPurpose::Save, folder, filterLabel);
}

QString MessageBoxPrompts::chooseFileToLoad(QWidget* parent, const QString& folder,
                                            const QString& filterLabel) {
    return runFileDialog(parent, FileDialogPurpose::Load, folder, filterLabel);
}

bool MessageBoxPrompts::askYesNo(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, title(), question, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setTextFormat(Qt::PlainText);
    // The questions asked are about replacing a file: a stray Enter keeps it.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

SaveChoice MessageBoxPrompts::askToSaveChanges(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, title(), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:  // Cancel, Escape, the box's close button
        return SaveChoice::Cancel;
    }
}

bool MessageBoxPrompts::askToRestore(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, title(), question, QMessageBox::Discard, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* restore = box.addButton(
        QCoreApplication::translate("MessageBoxPrompts", "&Restore"), QMessageBox::AcceptRole);
    box.setDefaultButton(restore);
    box.exec();
    return box.clickedButton() == restore;
}

bool MessageBoxPrompts::askToSendAnyway(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Warning, title(), question, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* send = box.addButton(
        QCoreApplication::translate("MessageBoxPrompts", "&Send Anyway"), QMessageBox::AcceptRole);
    QPushButton* back = box.addButton(QCoreApplication::translate("MessageBoxPrompts", "&Go Back"),
                                      QMessageBox::RejectRole);
    box.setDefaultButton(back);
    box.setEscapeButton(back);
    box.exec();
    return box.clickedButton() == send;
}

}  // namespace tavimor
