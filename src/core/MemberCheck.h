#pragma once

#include <QVariantList>

class Transaction;

// People chosen on a screen may have been deleted since its lists were read, here or at another desk: a save
// checks them in the transaction that writes it, so the check still holds when the rows are written.
namespace MemberCheck {

// True when every ID given (Null ones aside) names a Member row. Otherwise the transaction is rolled back first,
// then "This member no longer exists." is shown, and false: the caller writes nothing and keeps the screen as it is.
bool stillExist(Transaction& transaction, const QVariantList& memberIds);

} // namespace MemberCheck
