// The binary property-list reader ("bplist00"); other inputs are left to the
// XML target.
#include "roundtrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::view(data, size);
    if (bytes.startsWith("bplist"))
        fuzz::checkRoundTrip(bytes);
    return 0;
}
