#include "qt_test_support.h"

#include <QGuiApplication>
#include <QLatin1StringView>

#include <memory>

namespace tavimor {
namespace {

QtMessageRecorder* activeRecorder = nullptr;

// One application object for the whole run, made before the first test and
// destroyed after the last one, while GoogleTest's main is still running (a
// function-local static would be destroyed after Qt's own globals).
class QtGuiEnvironment : public testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QGuiApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    // QGuiApplication keeps references to argc and argv, so they live here.
    int argc_ = 1;
    char name_[18] = "tavimor_res_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] testing::Environment* const kQtGuiEnvironment =
    testing::AddGlobalTestEnvironment(new QtGuiEnvironment);

}  // namespace

QtMessageRecorder::QtMessageRecorder(const char* categoryPrefix)
    : prefix_(QString::fromLatin1(categoryPrefix)) {
    activeRecorder = this;
    previous_ = qInstallMessageHandler(&QtMessageRecorder::handle);
}

QtMessageRecorder::~QtMessageRecorder() {
    qInstallMessageHandler(previous_);
    activeRecorder = nullptr;
}

void QtMessageRecorder::handle(QtMsgType type, const QMessageLogContext& context,
                               const QString& text) {
    QtMessageRecorder* self = activeRecorder;
    const QString category = QString::fromLatin1(context.category ? context.category : "");
    if (self != nullptr && type != QtDebugMsg && type != QtInfoMsg &&
        (category == self->prefix_ || category.startsWith(self->prefix_ + QLatin1Char('.')))) {
        self->warnings_ << category + QLatin1String(": ") + text;
    }
    if (self != nullptr && self->previous_ != nullptr) self->previous_(type, context, text);
}

}  // namespace tavimor
