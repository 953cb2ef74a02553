#pragma once

// Shared by the resource tests: a recorder of Qt's warnings, and printers for
// Qt strings. Linking qt_test_support.cpp also gives the test program a
// QGuiApplication (fonts and rendering need one) for the whole run.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <ostream>

namespace tavimor {

// Records warnings of the given logging category (and its subcategories) while
// it exists. Only one recorder may exist at a time.
class QtMessageRecorder {
public:
    explicit QtMessageRecorder(const char* categoryPrefix = "qt.svg");
    ~QtMessageRecorder();
    QtMessageRecorder(const QtMessageRecorder&) = delete;
    QtMessageRecorder& operator=(const QtMessageRecorder&) = delete;

    QStringList warnings() const { return warnings_; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text);

    QString prefix_;
    QStringList warnings_;
    QtMessageHandler previous_;
};

}  // namespace tavimor

QT_BEGIN_NAMESPACE
// Readable failure messages for Qt strings in EXPECT_EQ.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '[';
    for (qsizetype i = 0; i < list.size(); ++i) *out << (i ? ", " : "") << '"' << list[i].toStdString() << '"';
    *out << ']';
}
QT_END_NAMESPACE
