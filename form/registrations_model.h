#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "registrations/registration.h"

namespace tavimor {

// The registrations as the Registrations window lists them, one row each in
// the order given (the store's: newest first). Texts are made when a row is
// shown, not when the list is set, so a long record opens as fast as a
// short one.
class RegistrationsModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Date, SiteName, SiteUrl, IdCode, Email, Password, ColumnCount };

    explicit RegistrationsModel(QObject* parent = nullptr);

    void setRegistrations(std::vector<RegistrationSummary> registrations);
    const std::vector<RegistrationSummary>& registrations() const { return rows_; }
    // nullptr for a row that is not there.
    const RegistrationSummary* at(int row) const;
    void removeRegistration(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<RegistrationSummary> rows_;
};

// `registration` with every text as the text it reads as, in UTF-8 (see
// form_text.h): what leaves the program, on standard output or in a file,
// is UTF-8 whatever bytes the service answered with.
Registration shownAsUtf8(const Registration& registration);
RegistrationSummary shownAsUtf8(const RegistrationSummary& registration);

}  // namespace tavimor
