#include "app/password/PasswordDigest.h"

#include "foundation/hash/Md5Digest.h"
#include "foundation/text/ByteArray.h"

String passwordDigest(const String& password)
{
    if (password.isEmpty())
        return String();
    ByteArray bytes = password.toUtf8();
    return Md5Digest(bytes.data(), uint32_t(bytes.size())).toString();
}

bool passwordMatches(const String& typed, const String& storedForm)
{
    if (typed.isEmpty())
        return false;
    return String::equals(passwordDigest(typed), storedForm);
}
