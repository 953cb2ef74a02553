#include "form/registrations_model.h"

#include <utility>

#include "dialog_engine/text.h"
#include "profile/profile_fields.h"

namespace tavimor {

RegistrationsModel::RegistrationsModel(QObject* parent) : QAbstractTableModel(parent) {}

void RegistrationsModel::setRegistrations(std::vector<RegistrationSummary> registrations) {
    beginResetModel();
    rows_ = std::move(registrations);
    endResetModel();
}

const RegistrationSummary* RegistrationsModel::at(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < rows_.size() ? &rows_[row] : nullptr;
}

void RegistrationsModel::removeRegistration(int row) {
    if (!at(row)) return;
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

int RegistrationsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RegistrationsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RegistrationsModel::data(const QModelIndex& index, int role) const {
    const RegistrationSummary* registration = at(index.row());
    if (!registration) return {};
    if (role == Qt::ToolTipRole && index.column() == Date) {
        return QString::fromStdString(registration->keptAt);
    }
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case Date:
        // The local date and time as kept; the offset is in the tooltip.
        return QString::fromStdString(registration->keptAt.substr(0, 19)).replace(u'T', u' ');
    case SiteName:
        return textFromBytes(registration->siteName);
    case SiteUrl:
        return textFromBytes(registration->siteUrl);
    case IdCode:
        return textFromBytes(registration->idCode);
    case Email:
        return textFromBytes(registration->email);
    case Password:
        return registration->passwordKept ? tr("in keyring") : tr("not kept");
    default:
        return {};
    }
}

QVariant RegistrationsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case Date:
        return tr("Date");
    case SiteName:
        return tr("Site Name");
    case SiteUrl:
        return tr("Site URL");
    case IdCode:
        return tr("ID Code");
    case Email:
        return tr("E-mail");
    case Password:
        return tr("Password");
    default:
        return {};
    }
}

Registration shownAsUtf8(const Registration& registration) {
    Registration utf8 = registration;
    for (std::string* text : {&utf8.keptAt, &utf8.idText, &utf8.idCode, &utf8.host}) {
        *text = shownTextAsUtf8(*text);
    }
    for (const ProfileField& field : kProfileFields) {
        utf8.form.*field.member = shownTextAsUtf8(utf8.form.*field.member);
    }
    return utf8;
}

}  // namespace tavimor

namespace tavimor {

RegistrationSummary shownAsUtf8(const RegistrationSummary& registration) {
    RegistrationSummary utf8 = registration;
    for (std::string* text :
         {&utf8.keptAt, &utf8.idCode, &utf8.siteName, &utf8.siteUrl, &utf8.email}) {
        *text = shownTextAsUtf8(*text);
    }
    return utf8;
}

}  // namespace tavimor
