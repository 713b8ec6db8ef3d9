#pragma once

#include "model/informer/UpdateInformer.h"

// The maker's older way of asking for the latest version: no form at all,
// the program's identity only as the user agent, and the answer in a
// "product" element with a "version" and a "link".
class ProductInformer : public UpdateInformer
{
public:
    // The identity in its Base64 form (AppCore::agentIdentity(true)).
    ProductInformer(const String& encodedAgentIdentity, const String& host);
};
