#include "model/informer/ProductInformer.h"

ProductInformer::ProductInformer(const String& encodedAgentIdentity, const String& host)
    : UpdateInformer(encodedAgentIdentity, host, String(u"/informer"), String(u"product"))
{
}
