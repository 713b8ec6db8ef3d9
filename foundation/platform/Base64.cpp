#include "foundation/platform/Base64.h"

bool isBase64Char(char16_t unit)
{
    return (unit >= 'A' && unit <= 'Z') || (unit >= 'a' && unit <= 'z') || (unit >= '0' && unit <= '9') ||
           unit == '+' || unit == '/' || unit == '=';
}
