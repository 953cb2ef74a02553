#pragma once

// Shared by the resource tests: a QGuiApplication for the whole run (fonts
// and rendering need one), a recorder of the SVG renderer's warnings, and
// printers for Qt strings.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QString>
#include <QStringList>

#include <memory>
#include <ostream>

namespace tavimor {

// Made before the first test and destroyed after the last, while
// GoogleTest's main still runs (a function-local static would outlive Qt's
// own globals).
class QtGuiEnvironment : public testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QGuiApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;  // QGuiApplication keeps references to argc and argv
    char name_[18] = "tavimor_res_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

inline testing::Environment* const kQtGuiEnvironment =
    testing::AddGlobalTestEnvironment(new QtGuiEnvironment);

// Records warnings of category qt.svg and below while it exists; one at a time.
class SvgWarnings {
public:
    SvgWarnings() : previous_(qInstallMessageHandler(&handle)) { active() = this; }
    ~SvgWarnings() {
        qInstallMessageHandler(previous_);
        active() = nullptr;
    }
    SvgWarnings(const SvgWarnings&) = delete;
    SvgWarnings& operator=(const SvgWarnings&) = delete;

    QStringList warnings;

private:
    static SvgWarnings*& active() {
        static SvgWarnings* recorder = nullptr;
        return recorder;
    }
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        SvgWarnings* self = active();
        const QString category = QString::fromLatin1(context.category ? context.category : "");
        if (self && type != QtDebugMsg && type != QtInfoMsg &&
            (category == QLatin1String("qt.svg") || category.startsWith(QLatin1String("qt.svg.")))) {
            self->warnings << category + QLatin1String(": ") + text;
        }
        if (self && self->previous_) self->previous_(type, context, text);
    }

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
