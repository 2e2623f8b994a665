#include "MemberCheck.h"

#include "MainMod.h"
#include "platform/Messages.h"
#include "platform/Transaction.h"

namespace MemberCheck {

bool stillExist(Transaction& transaction, const QVariantList& memberIds)
{
    for (const QVariant& id : memberIds) {
        if (id.isNull() || !id.isValid())
            continue;
        if (MainMod::MainDatabase.scalar(QStringLiteral("SELECT 1 FROM Member WHERE ID = ?"), {id}).isValid())
            continue;
        // The lock goes before the message, so the other desks can save while it waits on the screen.
        transaction.rollback();
        Messages::show(QStringLiteral("This member no longer exists."), QStringLiteral("Member Not Found"),
                       Messages::Icon::Exclamation);
        return false;
    }
    return true;
}

} // namespace MemberCheck
