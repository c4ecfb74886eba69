// The converter's SubRip reader: any text gives cues that are well formed,
// that read back the same once written, and that a disc can show one at a
// time, each for a frame at least.
#include <model/srt.h>

#include <cstdint>

namespace {

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void checkCues(const QList<convert::Cue> &cues)
{
    for (const convert::Cue &cue : cues) {
        check(cue.startMs >= 0 && cue.endMs > cue.startMs);
        check(!cue.text.isEmpty() && !cue.text.contains(QLatin1String("\n\n")) && !cue.text.contains(QLatin1String("-->")));
        check(cue.text.count(QLatin1Char('\n')) < convert::kMaxCueLines && cue.text.size() <= convert::kMaxCueChars);
    }
}

bool sameCues(const QList<convert::Cue> &a, const QList<convert::Cue> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a.at(i).startMs != b.at(i).startMs || a.at(i).endMs != b.at(i).endMs || a.at(i).text != b.at(i).text)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const convert::SrtRead read = convert::parseSrt(text);
    checkCues(read.cues);
    check(read.cues.size() <= convert::kMaxCues);
    check(sameCues(convert::parseSrt(convert::writeSrt(read.cues)).cues, read.cues));

    // A video of 10 s, and one without a known end; PAL and NTSC frames.
    for (const qint64 duration : {qint64(10000), qint64(0)}) {
        for (const double frame : {40.0, 1001.0 / 30}) {
            const convert::DiscCues shown = convert::cuesForDisc(read.cues, duration, frame);
            checkCues(shown.cues);
            check(shown.leftOut >= 0 && shown.leftOut <= read.cues.size());
            for (qsizetype i = 0; i < shown.cues.size(); ++i) {
                const convert::Cue &cue = shown.cues.at(i);
                check(duration <= 0 || cue.endMs <= duration);
                check(i == 0 || shown.cues.at(i - 1).endMs <= cue.startMs);
                // At most one subpicture a frame.
                check(double(cue.endMs - cue.startMs) >= frame);
            }
            check(sameCues(convert::parseSrt(convert::writeSrt(shown.cues)).cues, shown.cues));
        }
    }
    return 0;
}
