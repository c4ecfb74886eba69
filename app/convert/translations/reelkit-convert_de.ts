<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Authoring</name>
    <message>
        <location filename="../jobs/authoring.cpp" line="+150"/>
        <source>a disc needs at least one video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a disc holds at most %1 titles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+44"/>
        <source>cannot make a folder in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the fonts configuration for the subtitles could not be made (%1); spumux uses the system&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>no ISO image: neither genisoimage nor xorriso is installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Rendering the subtitles of &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the subtitles %1 have no cue within &quot;%2&quot;; it is on the disc without them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+314"/>
        <location line="+14"/>
        <source>cannot write in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-301"/>
        <source>Authoring the DVD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reading back &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>dvdauthor made no video for &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Making the ISO image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reading back the ISO image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>%1 could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+88"/>
        <source>%1 crashed (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 failed with code %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 could not write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the ISO image could not be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the ISO image does not read back (%1); it was removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the subtitles %1 could not be put on &quot;%2&quot;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>ffmpeg failed with code %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it plays %1 s of %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the disc&apos;s title &quot;%1&quot; does not read back (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 is missing from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2 of %3 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it holds %1 bytes for %2 of files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Putting the disc in place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the disc could not be moved into %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the ISO image could not be moved beside the disc: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Budget</name>
    <message>
        <location filename="../model/budget.cpp" line="+66"/>
        <source>%1 has no quality mode (DVD players need a known bitrate): give a target size or a bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>quality %1 is outside what %2 takes: %3 (best) to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the duration of the source is unknown, so no size can be planned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 kb/s is outside what %2 takes: %3 to %4 kb/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the target size must be at least 1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it leaves %1 kb/s for the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the sound alone fills it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MB is too small for %2 of video: %3, and %4 needs at least %5 kb/s (about %6 MB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 MB asks for %2 kb/s; %3 stops at %4 kb/s, about %5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <location filename="../probing/cards.cpp" line="+169"/>
        <source>the time-stamp tool did not name this clip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the card has no playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>named by the file&apos;s modification time: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Disc</name>
    <message numerus="yes">
        <location filename="../model/disc.cpp" line="+34"/>
        <source>the %n video(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+33"/>
        <source>a dual-layer DVD (8.5 GB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>a single-layer DVD (4.7 GB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1 MB is %2 MB more than %3 has for videos (%4 MB); a target size of %4 MB fits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 (%2 in all): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 (%2 in all) need about %3 at %4 kb/s: %5 more than %6 has for videos (%7 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source> A target size of %1 MB fits them (%2 kb/s for each picture).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source> Even at %1&apos;s lowest %2 kb/s they do not fit; a dual-layer disc does, with a target size of %3 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Even at %1&apos;s lowest %2 kb/s they do not fit: leave some videos out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>a disc is made with a DVD preset (dvd-pal or dvd-ntsc), not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>a disc made here holds at most %1 titles, and %2 videos were given: leave %3 out, or make two discs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Discovery</name>
    <message>
        <location filename="../probing/discovery.cpp" line="+62"/>
        <source>cannot read the card&apos;s clips in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <location filename="../window/display.cpp" line="+62"/>
        <source>the display %1 did not answer within %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no display answers at %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <location filename="../jobs/job.cpp" line="+107"/>
        <location line="+254"/>
        <source>%1 is the source itself and is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-122"/>
        <source>no message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 stopped unexpectedly (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 failed with code %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 could not write: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>the output does not decode (%1); it was removed, the source is untouched</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ffmpeg failed with code %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the output cannot be opened as a video (%1); it was removed, the source is untouched</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ffprobe failed with code %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>ffmpeg wrote nothing for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1; it was removed, the source is untouched</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the sound could not be decoded whole (%1 s of %2 s)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <location filename="../main.cpp" line="+34"/>
        <source>the window needs a display (DISPLAY or WAYLAND_DISPLAY)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the window needs a display, and %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>reelkit-convert: %1; without one, give the files to convert in the terminal
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>reelkit-convert: %1; converting in the terminal instead
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <location filename="../model/options.cpp" line="+110"/>
        <source>--window and --terminal exclude each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>unknown preset &apos;%1&apos; (presets: %2, and yours: --list-presets)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>--%1 takes %2, not &apos;%3&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--audio-bitrate takes kb/s from 32 to 640, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+71"/>
        <source>preset &apos;%1&apos; is no built-in preset (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>preset file refused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>preset file %1 not imported: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the preset &apos;%1&apos; from %2, kept as %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>your preset &apos;%1&apos; is refused: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>your preset &apos;%1&apos; (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>give one of --quality, --size and --bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--quality takes a whole number from %1 (best) to %2, not &apos;%3&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>--size takes a whole number of megabytes above 0, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--bitrate takes a whole number of kb/s above 0, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>--chapters takes whole minutes from 0 (none) to %1, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>--disc-name takes a name for the disc folder, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--subtitles needs a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>--%1 goes with --disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--disc needs a DVD preset (-p dvd-pal or -p dvd-ntsc), not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--disc needs a DVD preset: -p dvd-pal or -p dvd-ntsc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>give one of --max-size and --height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--max-size and --height are for MP4 presets: a DVD&apos;s frame is fixed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>--output needs a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>default quality %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>default %1 kb/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Usage: %1 [-p PRESET] [-q CRF | -s MB | -b KBPS] [-o DIR] [-y] [-n] [--normalize]
          [--audio TRACKS] [--subtitle TRACKS] [--burn-subtitle TRACK]
          [--max-size WxH | --height H] [--crop CROP] [--denoise HOW] [--deinterlace WHEN]
          [--start T] [--stop T | --duration T] [--json]
          [--container KIND] [--speed SPEED] [--audio-codec CODEC] [--audio-bitrate KBPS]
          [--list-presets] [--save-preset NAME] [--preset-file FILE]
          [--disc [--dual-layer] [--chapters MIN] [--subtitles FILE]...] FILE|FOLDER...
Converts videos with ffmpeg: at a quality, to a target size or at a bitrate.

  -p, --preset P     the output kind (default mp4)
  -q, --quality CRF  constant quality, %2 (best, largest) to %3 (worst); MP4 presets only
                     and their default (mp4 23, mp4-hevc 28)
  -s, --size MB      make each output about MB megabytes (two passes for MP4);
                     with --disc, all the titles together
  -b, --bitrate KBPS encode the picture at KBPS kilobits per second (default for DVD)
  -o, --output DIR   write the outputs into DIR (default: the current folder)
  -y, --overwrite    replace outputs that already exist (otherwise they are kept;
                     on a terminal you are asked); a source is never replaced
  -n, --dry-run      print the plan and the ffmpeg command lines, convert nothing
      --audio TRACKS the sound tracks kept: default (the one marked default, else the
                     first), all, none, or track numbers as the plan shows them and
                     languages, separated by commas (--audio fre,eng or 2,1); the
                     first is marked default. A DVD keeps at most 8
      --subtitle TRACKS  the subtitle tracks kept: all (default: those the output can
                     hold), none, or numbers and languages as for --audio
      --burn-subtitle TRACK  draw that subtitle track (a number or a language), text
                     or pictures, into the picture
      --max-size WxH make each MP4 at most W x H (either way round), keeping its shape;
                     never larger than the source
      --height H     make each MP4 at most H pixels high, keeping its shape
      --crop CROP    auto (the black bars found at several points), none (default) or
                     TOP:BOTTOM:LEFT:RIGHT in pixels
      --denoise HOW  off (default), light or strong
      --deinterlace WHEN  auto (as the stream or ffmpeg&apos;s interlace test says;
                     default), on or off
      --start T      convert from T on (90, 1:30, 0:01:30.5, 1m30s...)
      --stop T       convert up to T of the source; --duration T: for T
      --normalize    even out each video&apos;s sound with normalize before encoding
      --no-verify    do not check the outputs (by default each is opened, its tracks
                     and durations compared with the source&apos;s, and decoded whole
                     before it is called done; a disc&apos;s titles and image are read back)
      --disc         with a DVD preset, go on to a DVD: one title per video in a
                     VIDEO_TS folder, and an ISO image (genisoimage or xorriso)
      --dual-layer   a disc of 8.5 GB instead of 4.7 GB
      --chapters MIN a chapter every MIN minutes (default 5; 0: none)
      --disc-name NAME  the disc folder&apos;s name (default DVD; numbered when taken)
      --subtitles FILE  SubRip subtitles for the disc, the first for the first video,
                     the next for the next...; an .srt beside a video with its name
                     is taken without asking
      --container KIND  mp4 or mkv (Matroska, which holds any sound and subtitles)
      --speed SPEED  the encoder&apos;s speed, ultrafast to veryslow (default medium;
                     slower makes a smaller file at the same quality)
      --audio-codec CODEC  aac, ac3, opus (MKV only) or copy (each sound track as it
                     is when the container holds it, else AAC)
      --audio-bitrate KBPS  the sound&apos;s rate, 32 to 640 (default 192)
      --list-presets the presets, built-in and yours
      --save-preset NAME  keep this line&apos;s settings as your preset NAME (converts the
                     FILEs too, when there are any); use it with -p NAME
      --preset-file FILE  take a preset from a file (an XML property list, as
                     --save-preset writes), keep it among yours, and use it
      --json         write the plan, the progress, each result and a summary as one
                     JSON object per line on standard output, and nothing else there
  -w, --window       open the window, with the FILEs in it
  -t, --terminal     convert in the terminal even where a display is present
  -d, --debug        write the toolkit&apos;s diagnostic log on standard error (otherwise
                     it goes to reelkit-convert.log in the temporary folder)
  -h, --help         show this text
  -V, --version      show the version

Presets:
%4
Sizes are in MB of 1024 x 1024 bytes everywhere (inputs, estimates, results).
A FOLDER is searched for videos; a camera card (PRIVATE/AVCHD/BDMV or BDMV) gives its clips,
named by their recording time. Only regular files are read: not pipes or devices.
Languages are ISO 639 codes, as containers store them or shorter: eng, fre, fra, en, fr.
The sound track marked default (else the first) is kept; MP4 keeps text subtitles.
Without FILE, a 5-second sample made with ffmpeg&apos;s test sources is converted.
Started without arguments where a display answers, it opens its window.
Exit codes: 0 done, 1 a conversion, its check or part of the disc failed, 2 bad option
or size (a disc too large, or of too many titles), 3 missing tool, 4 unreadable source,
5 output exists, 130 interrupted (Ctrl-C, the terminal or the output pipe closed).
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <location filename="../model/picture.cpp" line="+76"/>
        <source>cropping %1:%2:%3:%4 leaves no picture of %5x%6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+80"/>
        <location line="+64"/>
        <source>deinterlaced to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-61"/>
        <source>variable frame rate made a steady %1 fps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+39"/>
        <source>bars above and below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bars left and right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+52"/>
        <source>--max-size takes WIDTHxHEIGHT in pixels, such as 1280x720, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--height takes a height in pixels, such as 720, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>--crop takes auto, none or TOP:BOTTOM:LEFT:RIGHT in pixels, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Placement</name>
    <message>
        <location filename="../model/placement.cpp" line="+72"/>
        <source>%1 is gone: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is a folder and is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+18"/>
        <source>cannot move the output to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>no free name beside %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <location filename="../model/plan.cpp" line="+116"/>
        <source>its DVD subpictures are left out: they would not sit on a cropped picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the destination %1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>the outputs need about %1 and %2 has %3 free</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <location filename="../model/presets.cpp" line="+30"/>
        <source>MP4, H.264 and AAC, the source&apos;s picture size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>MP4, HEVC (H.265) and AAC, the source&apos;s picture size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>MKV, H.264, the sound and every subtitle track as the source has them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Phones and the web: MP4 at most 1280x720, H.264 High 4.0, AAC 160 kb/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>TVs: MP4 at most 1920x1080, H.264 High 4.1, AAC 192 kb/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Archive: MKV, HEVC at quality 20 (slow), the sound and subtitles as they are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>a DVD&apos;s container, encoder and sound are fixed: --container, --speed and --audio-codec are for the other presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Opus sound goes in MKV: give --container mkv or -p mkv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>quality %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>speed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sound copied</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <location filename="../terminal/printing.cpp" line="+66"/>
        <source>  overall %1%  %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  overall %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>elapsed %1, left %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>progress: %1 %2% (overall %3%, %4)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>  note: %1 appeared meanwhile and is kept; this video is %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  done and verified: %1 (%2) in %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  done: %1 (%2) in %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  cancelled; the partial output was removed
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>[disc] %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>elapsed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>progress: disc %1% (overall %2%, %3)
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Probe</name>
    <message>
        <location filename="../probing/probe.cpp" line="+59"/>
        <source>the interlace test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+34"/>
        <source>cannot read %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is a folder, not a video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a named pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a special file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is %2, not a regular file; only files can be converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+39"/>
        <source>%1 cannot be read: the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+33"/>
        <source>%1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-24"/>
        <source>%1 is a still picture, not a video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunPlan</name>
    <message>
        <location filename="../model/runplan.cpp" line="+54"/>
        <source>the videos, the disc folder and its image need about %1 and %2 has %3 free</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sample</name>
    <message>
        <location filename="../probing/sample.cpp" line="+19"/>
        <source>no private temporary folder to make the sample in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>ffmpeg could not make the sample %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>ffmpeg could not make the sample %1%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SavedPresets</name>
    <message>
        <location filename="../model/savedpresets.cpp" line="+76"/>
        <source>&apos;%1&apos; cannot name a preset: use up to 64 letters, digits, spaces, &apos;-&apos; and &apos;_&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&apos;%1&apos; is a built-in preset; choose another name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1: larger than a preset can be (%2 KB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1, line 1: not an XML property list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1, line 1: the root is not a dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>unknown key &apos;%1&apos; (a preset keeps %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>made by a later version (format %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 takes a word or a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no &apos;preset&apos; key names the built-in preset it starts from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>cannot make the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Source</name>
    <message>
        <location filename="../model/source.cpp" line="+187"/>
        <source>%1 cannot be read: ffprobe said nothing that could be understood</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 holds no video that ffmpeg can read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 is a still picture, not a video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 has no duration that ffmpeg can read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+44"/>
        <source>progressive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>interlaced, top field first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>interlaced, bottom field first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>scan unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Subtitles</name>
    <message>
        <location filename="../model/subtitles.cpp" line="+51"/>
        <source>the subtitles %1 cannot be read (no such file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the subtitles %1 cannot be read (not a regular file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the subtitles %1 are too large (%2 MB) to be subtitles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the subtitles %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>their encoding is not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the subtitles %1 hold no cue that can be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1; the disc is made without them</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>the subtitles %1 have no video of their own (%n video(s)) and are left out</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <location filename="../terminal/terminal.cpp" line="+99"/>
        <source>%1 exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source> (give --overwrite to replace it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 already exists and is kept%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The output folder %1 does not exist yet; it would be made.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot create the output folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>quality %1 (the size is not known in advance)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 kb/s picture, about %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2 -&gt; %3
  picture: %4; %5
  tracks: %6
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  part: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  title: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>  %1 exists and would be %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kept (give --overwrite to replace it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  sound: %1
  normalize: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>  ffmpeg pass %1 of %2: %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>disc: %1 of %2 in %3%4; %5
</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n title(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> (no ISO image: install xorriso or genisoimage)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> and %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>a chapter every %n minute(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no chapters</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>  subtitles of %1: %2 (%n cue(s)%3%4)
</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>, %n left out</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+35"/>
        <source>disc: %1 (VIDEO_TS)%2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the disc is not all that was asked for: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  cancelled; the unfinished disc was removed
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+76"/>
        <source>interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-73"/>
        <source>no disc: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>
Yours, in %1:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+61"/>
        <source>preset: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the preset %1 was not saved: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>saved your preset &apos;%1&apos; in %2 (use it with -p &apos;%1&apos;)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Dry run: nothing was converted. A real run writes each output in a private work folder in the destination, checks it, and moves it into place at the end.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+118"/>
        <source>note: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-106"/>
        <source>No file given: converting a %1-second sample made with ffmpeg&apos;s test sources.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>no videos found in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Give %1.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+77"/>
        <source>%1 of %2 converted%3 in %4, into %5
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source> and verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source> (not verified)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no disc: not every video was converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Try &apos;%1 --help&apos;.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolFonts</name>
    <message>
        <location filename="../probing/toolfonts.cpp" line="+43"/>
        <location line="+147"/>
        <source>there is no private temporary folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-134"/>
        <source>cannot replace the link %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot make the link %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Japanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Korean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hindi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+116"/>
        <source>%1 is no regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>the %1 subtitles are drawn in DejaVu Sans, which shows their letters as boxes: no %1 font is installed that spumux can draw with</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolOutput</name>
    <message>
        <location filename="../jobs/tooloutput.cpp" line="+91"/>
        <source>; %1 has %2 free</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolProcess</name>
    <message>
        <location filename="../jobs/toolprocess.cpp" line="+61"/>
        <source>%1 could not be started: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolRun</name>
    <message>
        <location filename="../probing/toolrun.cpp" line="+84"/>
        <source>%1 gave no answer within %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 was cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 could not be started</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message numerus="yes">
        <location filename="../model/tools.cpp" line="+36"/>
        <source>missing tool(s): %1 (looked for in %2; install ffmpeg and build again)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tracks</name>
    <message>
        <location filename="../model/tracks.cpp" line="+90"/>
        <source>it has none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its sound tracks are %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its subtitle tracks are %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no sound track #%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no subtitle track #%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>one sound track is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no sound asked for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+164"/>
        <source>not asked for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-160"/>
        <source>no sound in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>: the default track is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+34"/>
        <source>no subtitles in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source> cannot be drawn into the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source> drawn into the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no subtitles in %1 to draw into the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>DVD subpictures drawn for another frame than %1x%2 (--burn-subtitle draws them into the picture)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>only DVD subpictures go onto a DVD as they are (--burn-subtitle draws these into the picture)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DVD subtitles are made when the disc is authored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>picture subtitles cannot become MP4 text subtitles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+40"/>
        <source> as DVD subpictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> as MP4 text subtitles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>: a cover picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>: one picture is converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>a DVD holds %1 sound tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a DVD holds %1 subpicture streams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no subtitles asked for</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>%n data track(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n attachment(s) (fonts, pictures)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+19"/>
        <source>--burn-subtitle takes one track number as the plan shows it (3 for #3) or one language (eng, fr...), not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 takes %2, track numbers as the plan shows them (2 for #2) or languages (eng, fr...), separated by commas; &apos;%3&apos; is neither</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source> (no sound)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Trim</name>
    <message>
        <location filename="../model/trim.cpp" line="+24"/>
        <source>--%1 takes a time such as 90, 1:30, 0:01:30.5 or 1m30s, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>give one of --stop and --duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--duration must be longer than nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--stop %1 is not after the start (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>it starts at %1, after its end (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+34"/>
        <source>from %1 to the end</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <location filename="../model/verify.cpp" line="+65"/>
        <source>the output cannot be opened as a video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the output holds no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output holds no sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output holds %1 of the %2 sound tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output holds %1 of the %2 subtitle tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the picture lasts %1 s of %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the sound lasts %1 s of %2 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkFolder</name>
    <message>
        <location filename="../jobs/workfolder.cpp" line="+65"/>
        <location line="+34"/>
        <source>cannot make a work folder in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-14"/>
        <source>cannot lock a work folder in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>cannot make a work folder in %1: every name was taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+28"/>
        <source>removed what %n interrupted run(s) left in %1 (%2)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>convert::ConvertWindow</name>
    <message>
        <location filename="../window/window.cpp" line="+96"/>
        <source>Videos (%1);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>audio #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>%n subtitle track(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>; %n dropped</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&apos;%1&apos; is no built-in preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep these settings as your preset named:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>reelkit Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Add Videos…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Sample Clip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A short clip made with ffmpeg&apos;s test sources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>or drop videos or folders on the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save Preset…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep these settings under a name, for this list and for reelkit-convert -p NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A constant quality; the size follows the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Constant rate factor: lower is better and larger; 18 looks like the source, 23 is H.264&apos;s usual, 28 HEVC&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Target size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source> MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each output, in MB of 1024 x 1024 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitrate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source> kb/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Make a disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After the conversions, a DVD: one title per video in a VIDEO_TS folder, and an ISO image to burn. Subtitles come from an .srt beside each video with its name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dual layer (8.5 GB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Chapters every </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No chapters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Even out the sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Runs normalize on each video&apos;s sound before it is encoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>This video:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All videos:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ten seconds from the middle of the selected video, converted with these settings and opened in your player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+38"/>
        <source>No videos found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 holds no file with a video&apos;s extension.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cannot read the card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No sample clip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Your preset: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+117"/>
        <source>Preset not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+183"/>
        <source>refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source> (max)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 kb/s%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>about %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>; on %1: about %2 of its %3 MB for videos, %4 kb/s each</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>Reading %n video(s)…</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add videos to convert them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n video(s); the sizes follow the pictures at constant quality</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n video(s), about %1 in all%2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free space: ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Free space: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Add Videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+41"/>
        <source>and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep Both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Replace All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n outputs already exist</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>In %1:
%2

%3 writes each new conversion under a numbered name beside the existing file. %4 puts it in the existing file&apos;s place. %5 leaves these videos out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>kept existing output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+34"/>
        <location line="+1"/>
        <source>No preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-34"/>
        <source>No folder for the preview could be made in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Previewing &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Preview ready: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Preview cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+20"/>
        <source>Cannot convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-11"/>
        <source>No destination folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not a folder. Choose where the videos go.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The videos do not fit the disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Nothing left to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every video in the list has been converted. Add more videos, or change a setting to convert them again with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add videos with &quot;Add Videos…&quot; or drop them on the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>No disc this time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Some videos were skipped, and a disc is made of every video in the list. The others are converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Subtitles left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading was cancelled; remove the video and add it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>converting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Converting &quot;%1&quot; (%2 of %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>done and verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1
(%2 appeared meanwhile and is kept)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cancelled; unfinished outputs removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finished: %1 of %2 converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+27"/>
        <source>%1 of %n video(s) converted and verified into %2.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>

Before it started, it %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+68"/>
        <source>Show Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-65"/>
        <source>Conversion finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Conversion finished with errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+67"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Finished: the disc is made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled; the unfinished disc was removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The disc failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>%n video(s) converted, verified and put on the disc, which was read back whole:
%1 (VIDEO_TS)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>
%1 (the image to burn)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The videos are converted in %1, but the disc could not be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>

Not on the disc, though asked for:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Disc made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Elapsed %1, remaining %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+12"/>
        <source>Stop and Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Stop making the disc?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closing the window stops the disc and removes what was made of it. The converted videos are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep Going</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Stop the conversion?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closing the window stops the conversion and removes the unfinished output.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep Converting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>convert::PictureBox</name>
    <message>
        <location filename="../window/picturebox.cpp" line="+30"/>
        <source>%1 pixels high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (top:bottom:left:right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Largest size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Original size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1080p (1920x1080)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>720p (1280x720)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>480p (854x480)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only ever smaller, never larger, in its own shape; a DVD&apos;s frame is fixed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crop:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+7"/>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Automatic cuts the black bars found at five places through each video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Denoise:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+6"/>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deinterlace:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatic follows the video&apos;s stream, or the interlace test when it does not say</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>convert::SourceList</name>
    <message>
        <location filename="../window/sourcelist.cpp" line="+78"/>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In MB of 1024 x 1024 bytes, as every size in this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 is still being read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+45"/>
        <source>reading…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>refused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+49"/>
        <source>waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Converted before with other settings; Convert makes it again with these</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>convert::TrackList</name>
    <message>
        <location filename="../window/tracklist.cpp" line="+23"/>
        <source>mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Tracks of the selected video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Select one video to choose its sound and subtitle tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Picture subtitles cannot become MP4 text subtitles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DVD subtitles come from an .srt beside the video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This video has no sound or subtitle track</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
