#include "dialog_engine/translated_text.h"

#include <QCoreApplication>
#include <QList>

#include <utility>

#include "dialog_engine/text.h"

namespace tavimor {
namespace {

// The core's texts have at most nine arguments, %1 to %9.
constexpr std::size_t kMostArguments = 9;

template <std::size_t... I>
QString fillWith(const QString& pattern, const QList<QString>& arguments,
                 std::index_sequence<I...>) {
    return pattern.arg(arguments[I]...);
}

// One call of QString::arg with as many arguments as there are, which
// replaces every placeholder in a single pass.
template <std::size_t... Count>
QString fillAll(const QString& pattern, const QList<QString>& arguments,
                std::index_sequence<Count...>) {
    QString filled = pattern;
    const auto fillIfCount = [&]<std::size_t N>(std::integral_constant<std::size_t, N>) {
        if (static_cast<std::size_t>(arguments.size()) != N) return false;
        filled = fillWith(pattern, arguments, std::make_index_sequence<N>());
        return true;
    };
    (fillIfCount(std::integral_constant<std::size_t, Count + 1>()) || ...);
    return filled;
}

}  // namespace

QString translated(const TranslatableText& text) {
    const QString pattern = QCoreApplication::translate(text.context(), text.source());
    QList<QString> arguments;
    arguments.reserve(static_cast<qsizetype>(text.arguments().size()));
    for (const TextArgument& argument : text.arguments()) {
        arguments.append(argument.data() ? textFromBytes(*argument.data())
                                         : translated(*argument.text()));
    }
    return fillAll(pattern, arguments, std::make_index_sequence<kMostArguments>());
}

}  // namespace tavimor
