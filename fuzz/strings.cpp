// The strings-file reader (the classic syntax, or a property list).
#include <reel/core/stringsfile.h>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    if (!reel::parseStringsFile(bytes, &error) && error.isEmpty())
        __builtin_trap(); // a refusal always says why
    return 0;
}
