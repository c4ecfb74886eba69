<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Authoring</name>
    <message>
        <location filename="../jobs/authoring.cpp" line="+150"/>
        <source>a disc needs at least one video</source>
        <translation>eine Disc braucht mindestens ein Video</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a disc holds at most %1 titles</source>
        <translation>eine Disc fasst höchstens %1 Titel</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>cannot make a folder in %1</source>
        <translation>in %1 kann kein Ordner angelegt werden</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the fonts configuration for the subtitles could not be made (%1); spumux uses the system&apos;s</source>
        <translation>die Schriftkonfiguration für die Untertitel konnte nicht erstellt werden (%1); spumux verwendet die des Systems</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>no ISO image: neither genisoimage nor xorriso is installed</source>
        <translation>kein ISO-Abbild: weder genisoimage noch xorriso ist installiert</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Rendering the subtitles of &quot;%1&quot;</source>
        <translation>Untertitel von „%1“ werden gerendert</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the subtitles %1 have no cue within &quot;%2&quot;; it is on the disc without them</source>
        <translation>die Untertitel %1 haben keinen Eintrag innerhalb von „%2“; das Video kommt ohne sie auf die Disc</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+328"/>
        <location line="+14"/>
        <source>cannot write in %1</source>
        <translation>in %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location line="-315"/>
        <source>Authoring the DVD</source>
        <translation>DVD wird erstellt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reading back &quot;%1&quot;</source>
        <translation>„%1“ wird zurückgelesen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>dvdauthor made no video for &quot;%1&quot;</source>
        <translation>dvdauthor hat kein Video für „%1“ erzeugt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Making the ISO image</source>
        <translation>ISO-Abbild wird erstellt</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reading back the ISO image</source>
        <translation>ISO-Abbild wird zurückgelesen</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>%1 could not be started</source>
        <translation>%1 konnte nicht gestartet werden</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>%1 crashed (%2)</source>
        <translation>%1 ist abgestürzt (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 failed with code %2</source>
        <translation>%1 ist mit Code %2 fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 could not write</source>
        <translation>%1 konnte nicht schreiben</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the ISO image could not be made: %1</source>
        <translation>das ISO-Abbild konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the ISO image does not read back (%1); it was removed</source>
        <translation>das ISO-Abbild lässt sich nicht zurücklesen (%1); es wurde entfernt</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the subtitles %1 could not be put on &quot;%2&quot;: %3</source>
        <translation>die Untertitel %1 konnten nicht zu „%2“ hinzugefügt werden: %3</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>ffmpeg failed with code %1</source>
        <translation>ffmpeg ist mit Code %1 fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it plays %1 s of %2 s</source>
        <translation>er läuft %1 s von %2 s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the disc&apos;s title &quot;%1&quot; does not read back (%2)</source>
        <translation>der Titel „%1“ der Disc lässt sich nicht zurücklesen (%2)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 is missing from it</source>
        <translation>%1 fehlt darin</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2 of %3 bytes</source>
        <translation>%1 enthält %2 von %3 Byte</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it holds %1 bytes for %2 of files</source>
        <translation>es enthält %1 Byte für %2 Byte an Dateien</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Putting the disc in place</source>
        <translation>Disc wird an ihren Platz gebracht</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the disc could not be moved into %1: %2</source>
        <translation>die Disc konnte nicht nach %1 verschoben werden: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the ISO image could not be moved beside the disc: %1</source>
        <translation>das ISO-Abbild konnte nicht neben die Disc verschoben werden: %1</translation>
    </message>
</context>
<context>
    <name>Budget</name>
    <message>
        <location filename="../model/budget.cpp" line="+67"/>
        <source>%1 has no quality mode (DVD players need a known bitrate): give a target size or a bitrate</source>
        <translation>%1 hat keinen Qualitätsmodus (DVD-Player brauchen eine bekannte Bitrate): geben Sie eine Zielgröße oder eine Bitrate an</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>quality %1 is outside what %2 takes: %3 (best) to %4</source>
        <translation>Qualität %1 liegt außerhalb dessen, was %2 annimmt: %3 (beste) bis %4</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the duration of the source is unknown, so no size can be planned</source>
        <translation>die Dauer der Quelle ist unbekannt, daher lässt sich keine Größe planen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 kb/s is outside what %2 takes: %3 to %4 kb/s</source>
        <translation>%1 kb/s liegt außerhalb dessen, was %2 annimmt: %3 bis %4 kb/s</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the target size must be at least 1 MB</source>
        <translation>die Zielgröße muss mindestens 1 MB betragen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it leaves %1 kb/s for the picture</source>
        <translation>für das Bild bleiben %1 kb/s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the sound alone fills it</source>
        <translation>der Ton allein füllt sie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MB is too small for %2 of video: %3, and %4 needs at least %5 kb/s (about %6 MB)</source>
        <translation>%1 MB sind zu klein für %2 Video: %3, und %4 braucht mindestens %5 kb/s (etwa %6 MB)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 MB asks for %2 kb/s; %3 stops at %4 kb/s, about %5</source>
        <translation>%1 MB verlangen %2 kb/s; %3 geht nur bis %4 kb/s, etwa %5</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <location filename="../probing/cards.cpp" line="+170"/>
        <source>the time-stamp tool did not name this clip</source>
        <translation>das Zeitstempel-Werkzeug hat diesen Clip nicht benannt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the card has no playlist</source>
        <translation>die Speicherkarte hat keine Playlist</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>named by the file&apos;s modification time: %1</source>
        <translation>nach der Änderungszeit der Datei benannt: %1</translation>
    </message>
</context>
<context>
    <name>Disc</name>
    <message numerus="yes">
        <location filename="../model/disc.cpp" line="+34"/>
        <source>the %n video(s)</source>
        <translation>
            <numerusform>das Video</numerusform>
            <numerusform>die %n Videos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+33"/>
        <source>a dual-layer DVD (8.5 GB)</source>
        <translation>eine Dual-Layer-DVD (8,5 GB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a single-layer DVD (4.7 GB)</source>
        <translation>eine Single-Layer-DVD (4,7 GB)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 MB is %2 MB more than %3 has for videos (%4 MB); a target size of %4 MB fits</source>
        <translation>%1 MB sind %2 MB mehr, als %3 für Videos bietet (%4 MB); eine Zielgröße von %4 MB passt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 (%2 in all): %3</source>
        <translation>%1 (insgesamt %2): %3</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 (%2 in all) need about %3 at %4 kb/s: %5 more than %6 has for videos (%7 MB).</source>
        <translation>%1 (insgesamt %2) brauchen etwa %3 bei %4 kb/s: %5 mehr, als %6 für Videos bietet (%7 MB).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source> A target size of %1 MB fits them (%2 kb/s for each picture).</source>
        <translation> Eine Zielgröße von %1 MB passt (%2 kb/s für jedes Bild).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source> Even at %1&apos;s lowest %2 kb/s they do not fit; a dual-layer disc does, with a target size of %3 MB.</source>
        <translation> Selbst mit den niedrigsten %2 kb/s von %1 passen sie nicht; eine Dual-Layer-Disc schon, mit einer Zielgröße von %3 MB.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> Even at %1&apos;s lowest %2 kb/s they do not fit: leave some videos out.</source>
        <translation> Selbst mit den niedrigsten %2 kb/s von %1 passen sie nicht: lassen Sie einige Videos weg.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a disc is made with a DVD preset (dvd-pal or dvd-ntsc), not %1</source>
        <translation>eine Disc wird mit einer DVD-Vorgabe (dvd-pal oder dvd-ntsc) erstellt, nicht mit %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a disc made here holds at most %1 titles, and %2 videos were given: leave %3 out, or make two discs</source>
        <translation>eine hier erstellte Disc fasst höchstens %1 Titel, angegeben wurden %2 Videos: lassen Sie %3 weg oder erstellen Sie zwei Discs</translation>
    </message>
</context>
<context>
    <name>Discovery</name>
    <message>
        <location filename="../probing/discovery.cpp" line="+62"/>
        <source>cannot read the card&apos;s clips in %1: %2</source>
        <translation>die Clips der Speicherkarte in %1 können nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <location filename="../window/display.cpp" line="+62"/>
        <source>the display %1 did not answer within %2 s</source>
        <translation>die Anzeige %1 hat nicht innerhalb von %2 s geantwortet</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>no display answers at %1</source>
        <translation>unter %1 antwortet keine Anzeige</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <location filename="../jobs/job.cpp" line="+108"/>
        <location line="+262"/>
        <source>%1 is the source itself and is kept</source>
        <translation>%1 ist die Quelle selbst und bleibt erhalten</translation>
    </message>
    <message>
        <location line="-130"/>
        <source>no message</source>
        <translation>keine Meldung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 stopped unexpectedly (%2)</source>
        <translation>%1 wurde unerwartet beendet (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 failed with code %2: %3</source>
        <translation>%1 ist mit Code %2 fehlgeschlagen: %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 could not write: %2</source>
        <translation>%1 konnte nicht schreiben: %2</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>the output does not decode (%1); it was removed, the source is untouched</source>
        <translation>die Ausgabe lässt sich nicht dekodieren (%1); sie wurde entfernt, die Quelle ist unverändert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ffmpeg failed with code %1</source>
        <translation>ffmpeg ist mit Code %1 fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the output cannot be opened as a video (%1); it was removed, the source is untouched</source>
        <translation>die Ausgabe lässt sich nicht als Video öffnen (%1); sie wurde entfernt, die Quelle ist unverändert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ffprobe failed with code %1</source>
        <translation>ffprobe ist mit Code %1 fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>ffmpeg wrote nothing for %1</source>
        <translation>ffmpeg hat für %1 nichts geschrieben</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1; it was removed, the source is untouched</source>
        <translation>%1; die Ausgabe wurde entfernt, die Quelle ist unverändert</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the sound could not be decoded whole (%1 s of %2 s)</source>
        <translation>der Ton konnte nicht vollständig dekodiert werden (%1 s von %2 s)</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <location filename="../main.cpp" line="+34"/>
        <source>the window needs a display (DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>das Fenster braucht eine grafische Anzeige (DISPLAY oder WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the window needs a display, and %1</source>
        <translation>das Fenster braucht eine grafische Anzeige, und %1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>reelkit-convert: %1; without one, give the files to convert in the terminal
</source>
        <translation>reelkit-convert: %1; ohne Anzeige geben Sie die zu konvertierenden Dateien im Terminal an
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>reelkit-convert: %1; converting in the terminal instead
</source>
        <translation>reelkit-convert: %1; stattdessen wird im Terminal konvertiert
</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <location filename="../model/options.cpp" line="+110"/>
        <source>--window and --terminal exclude each other</source>
        <translation>--window und --terminal schließen sich gegenseitig aus</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>unknown preset &apos;%1&apos; (presets: %2, and yours: --list-presets)</source>
        <translation>unbekannte Vorgabe &apos;%1&apos; (Vorgaben: %2, und Ihre eigenen: --list-presets)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>--%1 takes %2, not &apos;%3&apos;</source>
        <translation>--%1 erwartet %2, nicht &apos;%3&apos;</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--audio-bitrate takes kb/s from 32 to 640, not &apos;%1&apos;</source>
        <translation>--audio-bitrate erwartet kb/s von 32 bis 640, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>preset &apos;%1&apos; is no built-in preset (%2)</source>
        <translation>Vorgabe &apos;%1&apos; ist keine eingebaute Vorgabe (%2)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>preset file refused: %1</source>
        <translation>Vorgabedatei abgelehnt: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>preset file %1 not imported: %2</source>
        <translation>Vorgabedatei %1 nicht importiert: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the preset &apos;%1&apos; from %2, kept as %3</source>
        <translation>die Vorgabe &apos;%1&apos; aus %2, gespeichert als %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>your preset &apos;%1&apos; is refused: %2</source>
        <translation>Ihre Vorgabe &apos;%1&apos; wird abgelehnt: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>your preset &apos;%1&apos; (%2)</source>
        <translation>Ihre Vorgabe &apos;%1&apos; (%2)</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>give one of --quality, --size and --bitrate</source>
        <translation>geben Sie nur eine der Optionen --quality, --size und --bitrate an</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--quality takes a whole number from %1 (best) to %2, not &apos;%3&apos;</source>
        <translation>--quality erwartet eine ganze Zahl von %1 (beste) bis %2, nicht &apos;%3&apos;</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--size takes a whole number of megabytes above 0, not &apos;%1&apos;</source>
        <translation>--size erwartet eine ganze Zahl von Megabyte über 0, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--bitrate takes a whole number of kb/s above 0, not &apos;%1&apos;</source>
        <translation>--bitrate erwartet eine ganze Zahl von kb/s über 0, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>--chapters takes whole minutes from 0 (none) to %1, not &apos;%2&apos;</source>
        <translation>--chapters erwartet ganze Minuten von 0 (keine) bis %1, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--disc-name takes a name for the disc folder, not &apos;%1&apos;</source>
        <translation>--disc-name erwartet einen Namen für den Disc-Ordner, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--subtitles needs a file</source>
        <translation>--subtitles braucht eine Datei</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>--%1 goes with --disc</source>
        <translation>--%1 gehört zu --disc</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--disc needs a DVD preset (-p dvd-pal or -p dvd-ntsc), not %1</source>
        <translation>--disc braucht eine DVD-Vorgabe (-p dvd-pal oder -p dvd-ntsc), nicht %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--disc needs a DVD preset: -p dvd-pal or -p dvd-ntsc</source>
        <translation>--disc braucht eine DVD-Vorgabe: -p dvd-pal oder -p dvd-ntsc</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>give one of --max-size and --height</source>
        <translation>geben Sie nur eine der Optionen --max-size und --height an</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--max-size and --height are for MP4 presets: a DVD&apos;s frame is fixed</source>
        <translation>--max-size und --height sind für MP4-Vorgaben: das Bildformat einer DVD ist fest</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>--output needs a folder</source>
        <translation>--output braucht einen Ordner</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>default quality %1</source>
        <translation>Standardqualität %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>default %1 kb/s</source>
        <translation>Standard %1 kb/s</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2)</source>
        <comment>a preset&apos;s label (its default)</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Usage: %1 [-p PRESET] [-q CRF | -s MB | -b KBPS] [-o DIR] [-y]
          [-n] [--normalize] [--audio TRACKS] [--subtitle TRACKS]
          [--burn-subtitle TRACK] [--max-size WxH | --height H] [--crop CROP]
          [--denoise HOW] [--deinterlace WHEN] [--start T]
          [--stop T | --duration T] [--json] [--container KIND] [--speed SPEED]
          [--audio-codec CODEC] [--audio-bitrate KBPS] [--list-presets]
          [--save-preset NAME] [--preset-file FILE]
          [--disc [--dual-layer] [--chapters MIN] [--subtitles FILE]...]
          FILE|FOLDER...
Converts videos with ffmpeg: at a quality, to a target size or at a bitrate.

  -p, --preset P     the output kind (default mp4)
  -q, --quality CRF  constant quality, %2 (best, largest) to %3 (worst); MP4
                     presets only and their default (mp4 23, mp4-hevc 28)
  -s, --size MB      make each output about MB megabytes (two passes for MP4);
                     with --disc, all the titles together
  -b, --bitrate KBPS encode the picture at KBPS kilobits per second (default
                     for DVD)
  -o, --output DIR   write the outputs into DIR (default: the current folder)
  -y, --overwrite    replace outputs that already exist (otherwise they are
                     kept; on a terminal you are asked); a source is never
                     replaced
  -n, --dry-run      print the plan and the ffmpeg command lines, convert
                     nothing
      --audio TRACKS the sound tracks kept: default (the one marked default,
                     else the first), all, none, or track numbers as the plan
                     shows them and languages, separated by commas (--audio
                     fre,eng or 2,1); the first is marked default. A DVD keeps
                     at most 8
      --subtitle TRACKS  the subtitle tracks kept: all (default: those the
                     output can hold), none, or numbers and languages as for
                     --audio
      --burn-subtitle TRACK  draw that subtitle track (a number or a language),
                     text or pictures, into the picture
      --max-size WxH make each MP4 at most W x H (either way round), keeping
                     its shape; never larger than the source
      --height H     make each MP4 at most H pixels high, keeping its shape
      --crop CROP    auto (the black bars found at several points), none
                     (default) or TOP:BOTTOM:LEFT:RIGHT in pixels
      --denoise HOW  off (default), light or strong
      --deinterlace WHEN  auto (as the stream or ffmpeg&apos;s interlace test says;
                     default), on or off
      --start T      convert from T on (90, 1:30, 0:01:30.5, 1m30s...)
      --stop T       convert up to T of the source; --duration T: for T
      --normalize    even out each video&apos;s sound with normalize before encoding
      --no-verify    do not check the outputs (by default each is opened, its
                     tracks and durations compared with the source&apos;s, and
                     decoded whole before it is called done; a disc&apos;s titles
                     and image are read back)
      --disc         with a DVD preset, go on to a DVD: one title per video in
                     a VIDEO_TS folder, and an ISO image (genisoimage or
                     xorriso)
      --dual-layer   a disc of 8.5 GB instead of 4.7 GB
      --chapters MIN a chapter every MIN minutes (default 5; 0: none)
      --disc-name NAME  the disc folder&apos;s name (default DVD; numbered when
                     taken)
      --subtitles FILE  SubRip subtitles for the disc, the first for the first
                     video, the next for the next...; an .srt beside a video
                     with its name is taken without asking
      --container KIND  mp4 or mkv (Matroska, which holds any sound and
                     subtitles)
      --speed SPEED  the encoder&apos;s speed, ultrafast to veryslow (default
                     medium; slower makes a smaller file at the same quality)
      --audio-codec CODEC  aac, ac3, opus (MKV only) or copy (each sound track
                     as it is when the container holds it, else AAC)
      --audio-bitrate KBPS  the sound&apos;s rate, 32 to 640 (default 192)
      --list-presets the presets, built-in and yours
      --save-preset NAME  keep this line&apos;s settings as your preset NAME
                     (converts the FILEs too, when there are any); use it with
                     -p NAME
      --preset-file FILE  take a preset from a file (an XML property list, as
                     --save-preset writes), keep it among yours, and use it
      --json         write the plan, the progress, each result and a summary as
                     one JSON object per line on standard output, and nothing
                     else there
  -w, --window       open the window, with the FILEs in it
  -t, --terminal     convert in the terminal even where a display is present
  -d, --debug        write the toolkit&apos;s diagnostic log on standard error
                     (otherwise it goes to reelkit-convert.log in the temporary
                     folder)
  -h, --help         show this text
  -V, --version      show the version

Presets:
%4
Sizes are in MB of 1024 x 1024 bytes everywhere (inputs, estimates, results).
A FOLDER is searched for videos; a camera card (PRIVATE/AVCHD/BDMV or BDMV)
gives its clips, named by their recording time. Only regular files are read:
not pipes or devices.
Languages are ISO 639 codes, as containers store them or shorter: eng, fre,
fra, en, fr.
The sound track marked default (else the first) is kept; MP4 keeps text
subtitles.
Without FILE, a 5-second sample made with ffmpeg&apos;s test sources is converted.
Started without arguments where a display answers, it opens its window.
Exit codes: 0 done, 1 a conversion, its check or part of the disc failed, 2 bad
option or size (a disc too large, or of too many titles), 3 missing tool, 4
unreadable source, 5 output exists, 130 interrupted (Ctrl-C, the terminal or
the output pipe closed).
</source>
        <translation>Aufruf: %1 [-p PRESET] [-q CRF | -s MB | -b KBPS] [-o DIR]
          [-y] [-n] [--normalize] [--audio TRACKS] [--subtitle TRACKS]
          [--burn-subtitle TRACK] [--max-size WxH | --height H] [--crop CROP]
          [--denoise HOW] [--deinterlace WHEN] [--start T]
          [--stop T | --duration T] [--json] [--container KIND] [--speed SPEED]
          [--audio-codec CODEC] [--audio-bitrate KBPS] [--list-presets]
          [--save-preset NAME] [--preset-file FILE]
          [--disc [--dual-layer] [--chapters MIN] [--subtitles FILE]...]
          FILE|FOLDER...
Konvertiert Videos mit ffmpeg: mit einer Qualität, auf eine Zielgröße oder
mit einer Bitrate.

  -p, --preset P     die Art der Ausgabe (Standard: mp4)
  -q, --quality CRF  konstante Qualität, %2 (beste, größte Datei) bis %3
                     (schlechteste); nur für MP4-Vorgaben, deren Standard:
                     mp4 23, mp4-hevc 28
  -s, --size MB      jede Ausgabe etwa MB Megabyte groß machen (bei MP4 zwei
                     Durchgänge); mit --disc alle Titel zusammen
  -b, --bitrate KBPS das Bild mit KBPS Kilobit pro Sekunde kodieren (Standard
                     bei DVD)
  -o, --output DIR   die Ausgaben in DIR schreiben (Standard: der aktuelle
                     Ordner)
  -y, --overwrite    schon vorhandene Ausgaben ersetzen (sonst bleiben sie
                     erhalten; im Terminal wird nachgefragt); eine Quelle wird
                     nie ersetzt
  -n, --dry-run      den Plan und die ffmpeg-Befehlszeilen ausgeben, nichts
                     konvertieren
      --audio TRACKS die behaltenen Tonspuren: default (die als Standard
                     markierte, sonst die erste), all, none oder Spurnummern,
                     wie der Plan sie zeigt, und Sprachen, durch Kommas
                     getrennt (--audio fre,eng oder 2,1); die erste wird als
                     Standard markiert. Eine DVD behält höchstens 8
      --subtitle TRACKS  die behaltenen Untertitelspuren: all (Standard: die,
                     die die Ausgabe aufnehmen kann), none oder Nummern und
                     Sprachen wie bei --audio
      --burn-subtitle TRACK  diese Untertitelspur (eine Nummer oder eine
                     Sprache), ob Text oder Bilder, ins Bild einbrennen
      --max-size WxH jedes MP4 höchstens W x H groß machen (hoch oder quer),
                     im eigenen Seitenverhältnis; nie größer als die Quelle
      --height H     jedes MP4 höchstens H Pixel hoch machen, im eigenen
                     Seitenverhältnis
      --crop CROP    auto (die schwarzen Balken, an mehreren Stellen gesucht),
                     none (Standard) oder OBEN:UNTEN:LINKS:RECHTS in Pixeln
      --denoise HOW  off (Standard), light oder strong
      --deinterlace WHEN  auto (je nach Angabe des Streams oder der
                     Interlace-Erkennung von ffmpeg; Standard), on oder off
      --start T      ab T konvertieren (90, 1:30, 0:01:30.5, 1m30s...)
      --stop T       bis T der Quelle konvertieren; --duration T: T lang
      --normalize    den Ton jedes Videos vor dem Kodieren mit normalize
                     angleichen
      --no-verify    die Ausgaben nicht prüfen (standardmäßig wird jede
                     geöffnet, ihre Spuren und Dauern werden mit denen der
                     Quelle verglichen, und sie wird vollständig dekodiert,
                     bevor sie als fertig gilt; Titel und Abbild einer Disc
                     werden zurückgelesen)
      --disc         mit einer DVD-Vorgabe weiter bis zur DVD: ein Titel pro
                     Video in einem VIDEO_TS-Ordner und ein ISO-Abbild
                     (genisoimage oder xorriso)
      --dual-layer   eine Disc mit 8,5 GB statt 4,7 GB
      --chapters MIN ein Kapitel alle MIN Minuten (Standard 5; 0: keine)
      --disc-name NAME  der Name des Disc-Ordners (Standard DVD; nummeriert,
                     wenn schon vergeben)
      --subtitles FILE  SubRip-Untertitel für die Disc, die ersten für das
                     erste Video, die nächsten für das nächste...; eine .srt
                     neben einem Video, mit dessen Namen, wird ohne Nachfrage
                     genommen
      --container KIND  mp4 oder mkv (Matroska, das jeden Ton und alle
                     Untertitel aufnimmt)
      --speed SPEED  das Tempo des Encoders, ultrafast bis veryslow (Standard
                     medium; langsamer ergibt bei gleicher Qualität eine
                     kleinere Datei)
      --audio-codec CODEC  aac, ac3, opus (nur MKV) oder copy (jede Tonspur
                     unverändert, wenn der Container sie aufnimmt, sonst AAC)
      --audio-bitrate KBPS  die Bitrate des Tons, 32 bis 640 (Standard 192)
      --list-presets die Vorgaben, eingebaute und eigene
      --save-preset NAME  die Einstellungen dieser Zeile als eigene Vorgabe
                     NAME speichern (konvertiert auch die FILEs, falls
                     vorhanden); mit -p NAME verwenden
      --preset-file FILE  eine Vorgabe aus einer Datei übernehmen (eine
                     XML-Property-List, wie --save-preset sie schreibt), zu
                     den eigenen legen und verwenden
      --json         den Plan, den Fortschritt, jedes Ergebnis und eine
                     Zusammenfassung als je ein JSON-Objekt pro Zeile auf die
                     Standardausgabe schreiben, und sonst nichts dorthin
  -w, --window       das Fenster öffnen, mit den FILEs darin
  -t, --terminal     im Terminal konvertieren, auch wenn eine Anzeige da ist
  -d, --debug        das Diagnoseprotokoll des Toolkits auf die
                     Standardfehlerausgabe schreiben (sonst kommt es nach
                     reelkit-convert.log im temporären Ordner)
  -h, --help         diesen Text anzeigen
  -V, --version      die Version anzeigen

Vorgaben:
%4
Größen sind überall in MB zu 1024 x 1024 Byte (Eingaben, Schätzungen,
Ergebnisse).
Ein FOLDER wird nach Videos durchsucht; eine Kamera-Speicherkarte
(PRIVATE/AVCHD/BDMV oder BDMV) liefert ihre Clips, benannt nach ihrer
Aufnahmezeit. Nur reguläre Dateien werden gelesen: keine Pipes oder Geräte.
Sprachen sind ISO-639-Codes, wie Container sie speichern, oder kürzer: eng,
fre, fra, en, fr.
Die als Standard markierte Tonspur (sonst die erste) wird behalten; MP4
behält Textuntertitel.
Ohne FILE wird ein 5 Sekunden langer Beispielclip aus den Testquellen von
ffmpeg konvertiert.
Ohne Argumente gestartet, öffnet es sein Fenster, wenn eine Anzeige antwortet.
Exit-Codes: 0 fertig, 1 eine Konvertierung, ihre Prüfung oder ein Teil der
Disc ist fehlgeschlagen, 2 falsche Option oder Größe (eine Disc zu groß oder
mit zu vielen Titeln), 3 Werkzeug fehlt, 4 Quelle nicht lesbar, 5 Ausgabe
existiert, 130 unterbrochen (Strg-C, Terminal oder Ausgabe-Pipe geschlossen).
</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <location filename="../model/picture.cpp" line="+76"/>
        <source>cropping %1:%2:%3:%4 leaves no picture of %5x%6</source>
        <translation>Zuschneiden um %1:%2:%3:%4 lässt von %5x%6 kein Bild übrig</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cropped %1:%2:%3:%4</source>
        <translation>beschnitten um %1:%2:%3:%4</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>denoised (strong)</source>
        <translation>entrauscht (stark)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>denoised (light)</source>
        <translation>entrauscht (leicht)</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>deinterlaced to progressive</source>
        <translation>per Deinterlacing progressiv gemacht</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>variable frame rate made a steady %1 fps</source>
        <translation>variable Bildrate auf gleichmäßige %1 fps gebracht</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>bars above and below</source>
        <translation>Balken oben und unten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bars left and right</source>
        <translation>Balken links und rechts</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>--max-size takes WIDTHxHEIGHT in pixels, such as 1280x720, not &apos;%1&apos;</source>
        <translation>--max-size erwartet BREITExHÖHE in Pixeln, etwa 1280x720, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--height takes a height in pixels, such as 720, not &apos;%1&apos;</source>
        <translation>--height erwartet eine Höhe in Pixeln, etwa 720, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>--crop takes auto, none or TOP:BOTTOM:LEFT:RIGHT in pixels, not &apos;%1&apos;</source>
        <translation>--crop erwartet auto, none oder OBEN:UNTEN:LINKS:RECHTS in Pixeln, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--%1 takes %2 or %3, not &apos;%4&apos;</source>
        <translation>--%1 erwartet %2 oder %3, nicht &apos;%4&apos;</translation>
    </message>
</context>
<context>
    <name>Placement</name>
    <message>
        <location filename="../model/placement.cpp" line="+72"/>
        <source>%1 is gone: %2</source>
        <translation>%1 ist verschwunden: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is a folder and is kept</source>
        <translation>%1 ist ein Ordner und bleibt erhalten</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+19"/>
        <source>cannot move the output to %1: %2</source>
        <translation>die Ausgabe kann nicht nach %1 verschoben werden: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>no free name beside %1</source>
        <translation>kein freier Name neben %1</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <location filename="../model/plan.cpp" line="+116"/>
        <source>its DVD subpictures are left out: they would not sit on a cropped picture</source>
        <translation>die DVD-Bilduntertitel werden weggelassen: sie würden nicht auf ein zugeschnittenes Bild passen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>the destination %1 is not a folder</source>
        <translation>das Ziel %1 ist kein Ordner</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>the outputs need about %1 and %2 has %3 free</source>
        <translation>die Ausgaben brauchen etwa %1, und auf %2 sind %3 frei</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <location filename="../model/presets.cpp" line="+30"/>
        <source>MP4, H.264 and AAC, the source&apos;s picture size</source>
        <translation>MP4, H.264 und AAC, Bildgröße der Quelle</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>MP4, HEVC (H.265) and AAC, the source&apos;s picture size</source>
        <translation>MP4, HEVC (H.265) und AAC, Bildgröße der Quelle</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>DVD MPEG-2, PAL 720x576 at 25 fps</source>
        <translation>DVD MPEG-2, PAL 720x576 mit 25 fps</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>DVD MPEG-2, NTSC 720x480 at 29.97 fps</source>
        <translation>DVD MPEG-2, NTSC 720x480 mit 29,97 fps</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>MKV, H.264, the sound and every subtitle track as the source has them</source>
        <translation>MKV, H.264, Ton und alle Untertitelspuren wie in der Quelle</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Phones and the web: MP4 at most 1280x720, H.264 High 4.0, AAC 160 kb/s</source>
        <translation>Smartphones und Web: MP4 höchstens 1280x720, H.264 High 4.0, AAC 160 kb/s</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>TVs: MP4 at most 1920x1080, H.264 High 4.1, AAC 192 kb/s</source>
        <translation>Fernseher: MP4 höchstens 1920x1080, H.264 High 4.1, AAC 192 kb/s</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Archive: MKV, HEVC at quality 20 (slow), the sound and subtitles as they are</source>
        <translation>Archiv: MKV, HEVC mit Qualität 20 (langsam), Ton und Untertitel unverändert</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>a DVD&apos;s container, encoder and sound are fixed: --container, --speed and --audio-codec are for the other presets</source>
        <translation>Container, Encoder und Ton einer DVD sind fest: --container, --speed und --audio-codec sind für die anderen Vorgaben</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Opus sound goes in MKV: give --container mkv or -p mkv</source>
        <translation>Opus-Ton gehört in MKV: geben Sie --container mkv oder -p mkv an</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>quality %1</source>
        <translation>Qualität %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>speed %1</source>
        <translation>Tempo %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sound copied</source>
        <translation>Ton kopiert</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <location filename="../terminal/printing.cpp" line="+67"/>
        <source>  overall %1%  %2</source>
        <translation>  gesamt %1 %  %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  overall %1%</source>
        <translation>  gesamt %1 %</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>elapsed %1, left %2</source>
        <translation>verstrichen %1, verbleibend %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>progress: %1 %2% (overall %3%, %4)
</source>
        <translation>Fortschritt: %1 %2 % (gesamt %3 %, %4)
</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>  note: %1 appeared meanwhile and is kept; this video is %2
</source>
        <translation>  Hinweis: %1 ist inzwischen entstanden und bleibt erhalten; dieses Video ist %2
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  done and verified: %1 (%2) in %3
</source>
        <translation>  fertig und geprüft: %1 (%2) in %3
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  done: %1 (%2) in %3
</source>
        <translation>  fertig: %1 (%2) in %3
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 failed: %2</source>
        <translation>%1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  cancelled; the partial output was removed
</source>
        <translation>  abgebrochen; die unfertige Ausgabe wurde entfernt
</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>[disc] %1
</source>
        <translation>[Disc] %1
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>elapsed %1</source>
        <translation>verstrichen %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>progress: disc %1% (overall %2%, %3)
</source>
        <translation>Fortschritt: Disc %1 % (gesamt %2 %, %3)
</translation>
    </message>
</context>
<context>
    <name>Probe</name>
    <message>
        <location filename="../probing/probe.cpp" line="+59"/>
        <source>the interlace test</source>
        <translation>die Interlace-Erkennung</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is a folder, not a video</source>
        <translation>%1 ist ein Ordner, kein Video</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a special file</source>
        <translation>eine Spezialdatei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is %2, not a regular file; only files can be converted</source>
        <translation>%1 ist %2, keine reguläre Datei; nur Dateien können konvertiert werden</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>%1 cannot be read: the file is empty</source>
        <translation>%1 kann nicht gelesen werden: die Datei ist leer</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+35"/>
        <source>%1 on %2</source>
        <translation>%1 bei %2</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>%1 is a still picture, not a video</source>
        <translation>%1 ist ein Standbild, kein Video</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>RunPlan</name>
    <message>
        <location filename="../model/runplan.cpp" line="+54"/>
        <source>the videos, the disc folder and its image need about %1 and %2 has %3 free</source>
        <translation>die Videos, der Disc-Ordner und sein Abbild brauchen etwa %1, und auf %2 sind %3 frei</translation>
    </message>
</context>
<context>
    <name>Sample</name>
    <message>
        <location filename="../probing/sample.cpp" line="+19"/>
        <source>no private temporary folder to make the sample in</source>
        <translation>kein privater temporärer Ordner, um den Beispielclip darin zu erstellen</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>ffmpeg could not make the sample %1: %2</source>
        <translation>ffmpeg konnte den Beispielclip %1 nicht erstellen: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>ffmpeg could not make the sample %1%2</source>
        <translation>ffmpeg konnte den Beispielclip %1 nicht erstellen%2</translation>
    </message>
</context>
<context>
    <name>SavedPresets</name>
    <message>
        <location filename="../model/savedpresets.cpp" line="+76"/>
        <source>&apos;%1&apos; cannot name a preset: use up to 64 letters, digits, spaces, &apos;-&apos; and &apos;_&apos;</source>
        <translation>&apos;%1&apos; kann keine Vorgabe benennen: verwenden Sie bis zu 64 Buchstaben, Ziffern, Leerzeichen, &apos;-&apos; und &apos;_&apos;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&apos;%1&apos; is a built-in preset; choose another name</source>
        <translation>&apos;%1&apos; ist eine eingebaute Vorgabe; wählen Sie einen anderen Namen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1: larger than a preset can be (%2 KB)</source>
        <translation>%1: größer, als eine Vorgabe sein kann (%2 KB)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1, line 1: not an XML property list</source>
        <translation>%1, Zeile 1: keine XML-Property-List</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1, line 1: the root is not a dictionary</source>
        <translation>%1, Zeile 1: die Wurzel ist kein Dictionary</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>unknown key &apos;%1&apos; (a preset keeps %2)</source>
        <translation>unbekannter Schlüssel &apos;%1&apos; (eine Vorgabe speichert %2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>made by a later version (format %1)</source>
        <translation>von einer neueren Version erstellt (Format %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 takes a word or a number</source>
        <translation>%1 erwartet ein Wort oder eine Zahl</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no &apos;preset&apos; key names the built-in preset it starts from</source>
        <translation>kein Schlüssel &apos;preset&apos; nennt die eingebaute Vorgabe, auf der sie aufbaut</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>cannot make the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>Source</name>
    <message>
        <location filename="../model/source.cpp" line="+187"/>
        <source>%1 cannot be read: ffprobe said nothing that could be understood</source>
        <translation>%1 kann nicht gelesen werden: ffprobe hat nichts Verständliches geliefert</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 holds no video that ffmpeg can read</source>
        <translation>%1 enthält kein Video, das ffmpeg lesen kann</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 is a still picture, not a video</source>
        <translation>%1 ist ein Standbild, kein Video</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 has no duration that ffmpeg can read</source>
        <translation>%1 hat keine Dauer, die ffmpeg lesen kann</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>progressive</source>
        <translation>progressiv</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>interlaced, top field first</source>
        <translation>interlaced, oberes Halbbild zuerst</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>interlaced, bottom field first</source>
        <translation>interlaced, unteres Halbbild zuerst</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>scan unknown</source>
        <translation>Bildaufbau unbekannt</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
</context>
<context>
    <name>Subtitles</name>
    <message>
        <location filename="../model/subtitles.cpp" line="+52"/>
        <source>the subtitles %1 cannot be read (no such file)</source>
        <translation>die Untertitel %1 können nicht gelesen werden (keine solche Datei)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the subtitles %1 cannot be read (not a regular file)</source>
        <translation>die Untertitel %1 können nicht gelesen werden (keine reguläre Datei)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the subtitles %1 are too large (%2 MB) to be subtitles</source>
        <translation>die Untertitel %1 sind zu groß (%2 MB), um Untertitel zu sein</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the subtitles %1 cannot be read: %2</source>
        <translation>die Untertitel %1 können nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>their encoding is not known</source>
        <translation>ihre Zeichenkodierung ist unbekannt</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the subtitles %1 hold no cue that can be read</source>
        <translation>die Untertitel %1 enthalten keinen lesbaren Eintrag</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1; the disc is made without them</source>
        <translation>%1; die Disc wird ohne sie erstellt</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>the subtitles %1 have no video of their own (%n video(s)) and are left out</source>
        <translation>
            <numerusform>die Untertitel %1 haben kein eigenes Video (%n Video) und werden weggelassen</numerusform>
            <numerusform>die Untertitel %1 haben kein eigenes Video (%n Videos) und werden weggelassen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <location filename="../terminal/terminal.cpp" line="+99"/>
        <source>%1 exists. Replace it?</source>
        <translation>%1 existiert. Ersetzen?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source> (give --overwrite to replace it)</source>
        <translation> (mit --overwrite wird die Datei ersetzt)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 already exists and is kept%2</source>
        <translation>%1 existiert bereits und bleibt erhalten%2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The output folder %1 does not exist yet; it would be made.
</source>
        <translation>Der Ausgabeordner %1 existiert noch nicht; er würde angelegt werden.
</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot create the output folder %1</source>
        <translation>der Ausgabeordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>quality %1 (the size is not known in advance)</source>
        <translation>Qualität %1 (die Größe ist vorher nicht bekannt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 kb/s picture, about %2</source>
        <translation>%1 kb/s fürs Bild, etwa %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: %2 -&gt; %3
  picture: %4; %5
  tracks: %6
</source>
        <translation>%1: %2 -&gt; %3
  Bild: %4; %5
  Spuren: %6
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  part: %1
</source>
        <translation>  Ausschnitt: %1
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  title: %1
</source>
        <translation>  Titel: %1
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>  %1 exists and would be %2
</source>
        <translation>  %1 existiert bereits: %2
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>replaced</source>
        <translation>würde ersetzt werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kept (give --overwrite to replace it)</source>
        <translation>würde erhalten bleiben (--overwrite würde die Datei ersetzen)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  sound: %1
  normalize: %2
</source>
        <translation>  Ton: %1
  normalize: %2
</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>  ffmpeg pass %1 of %2: %3
</source>
        <translation>  ffmpeg-Durchgang %1 von %2: %3
</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>disc: %1 of %2 in %3%4; %5
</source>
        <translation>Disc: %1 mit %2 in %3%4; %5
</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n title(s)</source>
        <translation>
            <numerusform>%n Titel</numerusform>
            <numerusform>%n Titel</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source> (no ISO image: install xorriso or genisoimage)</source>
        <translation> (kein ISO-Abbild: installieren Sie xorriso oder genisoimage)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> and %1</source>
        <translation> und %1</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>a chapter every %n minute(s)</source>
        <translation>
            <numerusform>ein Kapitel pro Minute</numerusform>
            <numerusform>ein Kapitel alle %n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no chapters</source>
        <translation>keine Kapitel</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>  subtitles of %1: %2 (%n cue(s)%3%4)
</source>
        <translation>
            <numerusform>  Untertitel von %1: %2 (%n Eintrag%3%4)
</numerusform>
            <numerusform>  Untertitel von %1: %2 (%n Einträge%3%4)
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>, %n left out</source>
        <translation>
            <numerusform>, %n weggelassen</numerusform>
            <numerusform>, %n weggelassen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>disc: %1 (VIDEO_TS)%2
</source>
        <translation>Disc: %1 (VIDEO_TS)%2
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the disc is not all that was asked for: %1</source>
        <translation>die Disc enthält nicht alles, was verlangt wurde: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  cancelled; the unfinished disc was removed
</source>
        <translation>  abgebrochen; die unfertige Disc wurde entfernt
</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+76"/>
        <source>interrupted</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <location line="-73"/>
        <source>no disc: %1</source>
        <translation>keine Disc: %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>
Yours, in %1:
</source>
        <translation>
Eigene Vorgaben, in %1:
</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>preset: %1
</source>
        <translation>Vorgabe: %1
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the preset %1 was not saved: %2</source>
        <translation>die Vorgabe %1 wurde nicht gespeichert: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>saved your preset &apos;%1&apos; in %2 (use it with -p &apos;%1&apos;)
</source>
        <translation>Ihre Vorgabe &apos;%1&apos; wurde in %2 gespeichert (verwenden Sie sie mit -p &apos;%1&apos;)
</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Dry run: nothing was converted. A real run writes each output in a private work folder in the destination, checks it, and moves it into place at the end.
</source>
        <translation>Probelauf: nichts wurde konvertiert. Ein echter Lauf schreibt jede Ausgabe in einen privaten Arbeitsordner im Ziel, prüft sie und verschiebt sie am Ende an ihren Platz.
</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+120"/>
        <source>note: %1
</source>
        <translation>Hinweis: %1
</translation>
    </message>
    <message>
        <location line="-108"/>
        <source>No file given: converting a %1-second sample made with ffmpeg&apos;s test sources.
</source>
        <translation>Keine Datei angegeben: ein %1 Sekunden langer Beispielclip aus den Testquellen von ffmpeg wird konvertiert.
</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>no videos found in %1</source>
        <translation>keine Videos in %1 gefunden</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Give %1.
</source>
        <translation>Geben Sie %1 an.
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <location line="+77"/>
        <source>%1 of %2 converted%3 in %4, into %5
</source>
        <translation>%1 von %2 konvertiert%3, Dauer %4, in %5
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> and verified</source>
        <translation> und geprüft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> (not verified)</source>
        <translation> (nicht geprüft)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no disc: not every video was converted</source>
        <translation>keine Disc: nicht jedes Video wurde konvertiert</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Try &apos;%1 --help&apos;.
</source>
        <translation>Mehr dazu mit &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <location filename="../model/language.cpp" line="+86"/>
        <source>[y/N]</source>
        <comment>the answers to a question: the letter for yes, N for the default no</comment>
        <translation>[j/N]</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>y</source>
        <comment>the letter that answers yes, as in [y/N]</comment>
        <translation>j</translation>
    </message>
</context>
<context>
    <name>ToolFonts</name>
    <message>
        <location filename="../probing/toolfonts.cpp" line="+43"/>
        <location line="+147"/>
        <source>there is no private temporary folder</source>
        <translation>es gibt keinen privaten temporären Ordner</translation>
    </message>
    <message>
        <location line="-134"/>
        <source>cannot replace the link %1</source>
        <translation>die Verknüpfung %1 kann nicht ersetzt werden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot make the link %1</source>
        <translation>die Verknüpfung %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thai</source>
        <translation>Thai</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hindi</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>%1 is no regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>the %1 subtitles are drawn in DejaVu Sans, which shows their letters as boxes: no %1 font is installed that spumux can draw with</source>
        <translation>die Untertitel auf %1 werden in DejaVu Sans gezeichnet, das ihre Zeichen als Kästchen zeigt: es ist keine Schrift für %1 installiert, mit der spumux zeichnen kann</translation>
    </message>
</context>
<context>
    <name>ToolOutput</name>
    <message>
        <location filename="../jobs/tooloutput.cpp" line="+91"/>
        <source>; %1 has %2 free</source>
        <translation>; auf %1 sind %2 frei</translation>
    </message>
</context>
<context>
    <name>ToolProcess</name>
    <message>
        <location filename="../jobs/toolprocess.cpp" line="+61"/>
        <source>%1 could not be started: %2</source>
        <translation>%1 konnte nicht gestartet werden: %2</translation>
    </message>
</context>
<context>
    <name>ToolRun</name>
    <message>
        <location filename="../probing/toolrun.cpp" line="+84"/>
        <source>%1 gave no answer within %2 s</source>
        <translation>%1 hat nicht innerhalb von %2 s geantwortet</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 was cancelled</source>
        <translation>%1 wurde abgebrochen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 could not be started</source>
        <translation>%1 konnte nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message numerus="yes">
        <location filename="../model/tools.cpp" line="+36"/>
        <source>missing tool(s): %1 (looked for in %2; install ffmpeg and build again)</source>
        <translation>
            <numerusform>fehlendes Werkzeug: %1 (gesucht in %2; installieren Sie ffmpeg und bauen Sie das Programm neu)</numerusform>
            <numerusform>fehlende Werkzeuge: %1 (gesucht in %2; installieren Sie ffmpeg und bauen Sie das Programm neu)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tracks</name>
    <message>
        <location filename="../model/tracks.cpp" line="+23"/>
        <source>default</source>
        <comment>the track marked default</comment>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>video #%1</source>
        <translation>Video #%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>audio #%1</source>
        <translation>Tonspur #%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>subtitles #%1</source>
        <translation>Untertitel #%1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1: %2</source>
        <comment>a track and why it is left out</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>it has none</source>
        <translation>es gibt keine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its sound tracks are %1</source>
        <translation>vorhandene Tonspuren: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its subtitle tracks are %1</source>
        <translation>vorhandene Untertitelspuren: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no sound track #%1: %2</source>
        <translation>keine Tonspur #%1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no subtitle track #%1: %2</source>
        <translation>keine Untertitelspur #%1: %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>one sound track is kept</source>
        <translation>nur eine Tonspur wird behalten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no sound asked for</source>
        <translation>kein Ton verlangt</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+172"/>
        <source>not asked for</source>
        <translation>nicht verlangt</translation>
    </message>
    <message>
        <location line="-167"/>
        <source>no sound in %1: the default track is kept</source>
        <translation>kein Ton in %1: die Standardspur wird behalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no sound in %1</source>
        <translation>kein Ton in %1</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>%1 cannot be drawn into the picture</source>
        <translation>%1 kann nicht ins Bild eingebrannt werden</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 drawn into the picture</source>
        <translation>%1 ins Bild eingebrannt</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>%1 as DVD subpictures</source>
        <translation>%1 als DVD-Bilduntertitel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 as MP4 text subtitles</source>
        <translation>%1 als MP4-Textuntertitel</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>a cover picture</source>
        <translation>ein Titelbild</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>one picture is converted</source>
        <translation>nur ein Bildstrom wird konvertiert</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>kept %1</source>
        <translation>behalten: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kept %1 (no sound)</source>
        <translation>behalten: %1 (kein Ton)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; dropped %2</source>
        <comment>what is kept; what is left out</comment>
        <translation>%1; verworfen: %2</translation>
    </message>
    <message>
        <location line="-214"/>
        <source>no subtitles in %1</source>
        <translation>keine Untertitel in %1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>no subtitles in %1 to draw into the picture</source>
        <translation>keine Untertitel in %1 zum Einbrennen ins Bild</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>DVD subpictures drawn for another frame than %1x%2 (--burn-subtitle draws them into the picture)</source>
        <translation>DVD-Bilduntertitel für ein anderes Bildformat als %1x%2 (--burn-subtitle brennt sie ins Bild ein)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>only DVD subpictures go onto a DVD as they are (--burn-subtitle draws these into the picture)</source>
        <translation>nur DVD-Bilduntertitel kommen unverändert auf eine DVD (--burn-subtitle brennt diese ins Bild ein)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DVD subtitles are made when the disc is authored</source>
        <translation>DVD-Untertitel entstehen beim Erstellen der Disc</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>picture subtitles cannot become MP4 text subtitles</source>
        <translation>Bilduntertitel können nicht zu MP4-Textuntertiteln werden</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>a DVD holds %1 sound tracks</source>
        <translation>eine DVD fasst %1 Tonspuren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a DVD holds %1 subpicture streams</source>
        <translation>eine DVD fasst %1 Bilduntertitel-Ströme</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no subtitles asked for</source>
        <translation>keine Untertitel verlangt</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>%n data track(s)</source>
        <translation>
            <numerusform>%n Datenspur</numerusform>
            <numerusform>%n Datenspuren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n attachment(s) (fonts, pictures)</source>
        <translation>
            <numerusform>%n Anhang (Schriften, Bilder)</numerusform>
            <numerusform>%n Anhänge (Schriften, Bilder)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+20"/>
        <source>--burn-subtitle takes one track number as the plan shows it (3 for #3) or one language (eng, fr...), not &apos;%1&apos;</source>
        <translation>--burn-subtitle erwartet eine Spurnummer, wie der Plan sie zeigt (3 für #3), oder eine Sprache (eng, fr...), nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 takes %2, track numbers as the plan shows them (2 for #2) or languages (eng, fr...), separated by commas; &apos;%3&apos; is neither</source>
        <translation>%1 erwartet %2, Spurnummern, wie der Plan sie zeigt (2 für #2), oder Sprachen (eng, fr...), durch Kommas getrennt; &apos;%3&apos; ist nichts davon</translation>
    </message>
</context>
<context>
    <name>Trim</name>
    <message>
        <location filename="../model/trim.cpp" line="+24"/>
        <source>--%1 takes a time such as 90, 1:30, 0:01:30.5 or 1m30s, not &apos;%2&apos;</source>
        <translation>--%1 erwartet eine Zeit wie 90, 1:30, 0:01:30.5 oder 1m30s, nicht &apos;%2&apos;</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>give one of --stop and --duration</source>
        <translation>geben Sie nur eine der Optionen --stop und --duration an</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--duration must be longer than nothing</source>
        <translation>--duration muss länger als null sein</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--stop %1 is not after the start (%2)</source>
        <translation>--stop %1 liegt nicht nach dem Start (%2)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>it starts at %1, after its end (%2)</source>
        <translation>der Start %1 liegt nach dem Ende (%2)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>from %1 for %2</source>
        <translation>ab %1 für %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>from %1 to the end</source>
        <translation>von %1 bis zum Ende</translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <location filename="../model/verify.cpp" line="+65"/>
        <source>the output cannot be opened as a video</source>
        <translation>die Ausgabe lässt sich nicht als Video öffnen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the output holds no picture</source>
        <translation>die Ausgabe enthält kein Bild</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output holds no sound</source>
        <translation>die Ausgabe enthält keinen Ton</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output holds %1 of the %2 sound tracks</source>
        <translation>die Ausgabe enthält %1 der %2 Tonspuren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the output holds %1 of the %2 subtitle tracks</source>
        <translation>die Ausgabe enthält %1 der %2 Untertitelspuren</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the picture lasts %1 s of %2 s</source>
        <translation>das Bild dauert %1 s von %2 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the sound lasts %1 s of %2 s</source>
        <translation>der Ton dauert %1 s von %2 s</translation>
    </message>
</context>
<context>
    <name>WorkFolder</name>
    <message>
        <location filename="../jobs/workfolder.cpp" line="+65"/>
        <location line="+35"/>
        <source>cannot make a work folder in %1: %2</source>
        <translation>in %1 kann kein Arbeitsordner angelegt werden: %2</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>cannot lock a work folder in %1: %2</source>
        <translation>ein Arbeitsordner in %1 kann nicht gesperrt werden: %2</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>cannot make a work folder in %1: every name was taken</source>
        <translation>in %1 kann kein Arbeitsordner angelegt werden: jeder Name war vergeben</translation>
    </message>
    <message numerus="yes">
        <location line="+30"/>
        <source>removed what %n interrupted run(s) left in %1 (%2)</source>
        <translation>
            <numerusform>Reste von %n abgebrochenen Lauf in %1 entfernt (%2)</numerusform>
            <numerusform>Reste von %n abgebrochenen Läufen in %1 entfernt (%2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>convert::ConvertWindow</name>
    <message>
        <location filename="../window/window.cpp" line="+96"/>
        <source>Videos (%1);;All files (*)</source>
        <translation>Videos (%1);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>video</source>
        <translation>Video</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no sound</source>
        <translation>kein Ton</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>audio #%1</source>
        <translation>Ton #%1</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n subtitle track(s)</source>
        <translation>
            <numerusform>%n Untertitelspur</numerusform>
            <numerusform>%n Untertitelspuren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>; %n dropped</source>
        <translation>
            <numerusform>; %n verworfen</numerusform>
            <numerusform>; %n verworfen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&apos;%1&apos; is no built-in preset</source>
        <translation>&apos;%1&apos; ist keine eingebaute Vorgabe</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Save Preset</source>
        <translation>Vorgabe speichern</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep these settings as your preset named:</source>
        <translation>Diese Einstellungen als eigene Vorgabe speichern unter dem Namen:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>reelkit Convert</source>
        <translation>reelkit Convert</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Add Videos…</source>
        <translation>Videos hinzufügen …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Sample Clip</source>
        <translation>Beispielclip hinzufügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A short clip made with ffmpeg&apos;s test sources</source>
        <translation>Ein kurzer Clip aus den Testquellen von ffmpeg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>or drop videos or folders on the list</source>
        <translation>oder Videos und Ordner auf die Liste ziehen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save Preset…</source>
        <translation>Vorgabe speichern …</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep these settings under a name, for this list and for reelkit-convert -p NAME</source>
        <translation>Diese Einstellungen unter einem Namen speichern, für diese Liste und für reelkit-convert -p NAME</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preset:</source>
        <translation>Vorgabe:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Quality:</source>
        <translation>Qualität:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A constant quality; the size follows the picture</source>
        <translation>Konstante Qualität; die Größe ergibt sich aus dem Bild</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Constant rate factor: lower is better and larger; 18 looks like the source, 23 is H.264&apos;s usual, 28 HEVC&apos;s</source>
        <translation>Constant Rate Factor: niedriger ist besser und größer; 18 sieht aus wie die Quelle, 23 ist der übliche Wert für H.264, 28 der für HEVC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Target size:</source>
        <translation>Zielgröße:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each output, in MB of 1024 x 1024 bytes</source>
        <translation>Jede Ausgabe, in MB zu 1024 x 1024 Byte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitrate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> kb/s</source>
        <translation> kb/s</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Choose…</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Make a disc</source>
        <translation>Disc erstellen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After the conversions, a DVD: one title per video in a VIDEO_TS folder, and an ISO image to burn. Subtitles come from an .srt beside each video with its name.</source>
        <translation>Nach den Konvertierungen eine DVD: ein Titel pro Video in einem VIDEO_TS-Ordner und ein ISO-Abbild zum Brennen. Untertitel kommen aus einer .srt-Datei mit dem Namen des Videos, die neben ihm liegt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dual layer (8.5 GB)</source>
        <translation>Dual-Layer (8,5 GB)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Chapters every </source>
        <translation>Kapitel alle </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> min</source>
        <translation> Min.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No chapters</source>
        <translation>Keine Kapitel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Even out the sound</source>
        <translation>Lautstärke angleichen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Runs normalize on each video&apos;s sound before it is encoded</source>
        <translation>Führt normalize auf dem Ton jedes Videos aus, bevor er kodiert wird</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>This video:</source>
        <translation>Dieses Video:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All videos:</source>
        <translation>Alle Videos:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ten seconds from the middle of the selected video, converted with these settings and opened in your player</source>
        <translation>Zehn Sekunden aus der Mitte des ausgewählten Videos, mit diesen Einstellungen konvertiert und in Ihrem Player geöffnet</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>No videos found</source>
        <translation>Keine Videos gefunden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 holds no file with a video&apos;s extension.</source>
        <translation>%1 enthält keine Datei mit der Endung eines Videos.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot read the card</source>
        <translation>Speicherkarte kann nicht gelesen werden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No sample clip</source>
        <translation>Kein Beispielclip</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Your preset: %1</source>
        <translation>Eigene Vorgabe: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refused: %1</source>
        <translation>Abgelehnt: %1</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>Preset not saved</source>
        <translation>Vorgabe nicht gespeichert</translation>
    </message>
    <message>
        <location line="+183"/>
        <source>refused</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> (max)</source>
        <translation> (max.)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 kb/s%2</source>
        <translation>%1 kb/s%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>about %1</source>
        <translation>etwa %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>; on %1: about %2 of its %3 MB for videos, %4 kb/s each</source>
        <translation>; %1: etwa %2 der %3 MB für Videos, je %4 kb/s</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>Reading %n video(s)…</source>
        <translation>
            <numerusform>%n Video wird gelesen …</numerusform>
            <numerusform>%n Videos werden gelesen …</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add videos to convert them.</source>
        <translation>Fügen Sie Videos hinzu, um sie zu konvertieren.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n video(s); the sizes follow the pictures at constant quality</source>
        <translation>
            <numerusform>%n Video; bei konstanter Qualität ergeben sich die Größen aus den Bildern</numerusform>
            <numerusform>%n Videos; bei konstanter Qualität ergeben sich die Größen aus den Bildern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n video(s), about %1 in all%2</source>
        <translation>
            <numerusform>%n Video, insgesamt etwa %1%2</numerusform>
            <numerusform>%n Videos, insgesamt etwa %1%2</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Free space: ?</source>
        <translation>Freier Speicher: ?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Free space: %1</source>
        <translation>Freier Speicher: %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Add Videos</source>
        <translation>Videos hinzufügen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Destination</source>
        <translation>Ziel</translation>
    </message>
    <message numerus="yes">
        <location line="+41"/>
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep Both</source>
        <translation>Beide behalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Replace All</source>
        <translation>Alle ersetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; already exists</source>
        <translation>„%1“ existiert bereits</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n outputs already exist</source>
        <translation>
            <numerusform>%n Ausgabedatei existiert bereits</numerusform>
            <numerusform>%n Ausgabedateien existieren bereits</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In %1:
%2

%3 writes each new conversion under a numbered name beside the existing file. %4 puts it in the existing file&apos;s place. %5 leaves these videos out.</source>
        <translation>In %1:
%2

„%3“ schreibt jede neue Konvertierung unter einem nummerierten Namen neben die vorhandene Datei. „%4“ setzt sie an die Stelle der vorhandenen Datei. „%5“ lässt diese Videos aus.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>kept existing output</source>
        <translation>vorhandene Ausgabe behalten</translation>
    </message>
    <message>
        <location line="+54"/>
        <location line="+33"/>
        <location line="+1"/>
        <source>No preview</source>
        <translation>Keine Vorschau</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>No folder for the preview could be made in %1.</source>
        <translation>In %1 konnte kein Ordner für die Vorschau angelegt werden.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot preview</source>
        <translation>Vorschau nicht möglich</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Previewing &quot;%1&quot;</source>
        <translation>Vorschau von „%1“</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Preview ready: %1</source>
        <translation>Vorschau bereit: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Preview cancelled</source>
        <translation>Vorschau abgebrochen</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+19"/>
        <source>Cannot convert</source>
        <translation>Konvertieren nicht möglich</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>No destination folder</source>
        <translation>Kein Zielordner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not a folder. Choose where the videos go.</source>
        <translation>%1 ist kein Ordner. Wählen Sie, wohin die Videos sollen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The videos do not fit the disc</source>
        <translation>Die Videos passen nicht auf die Disc</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Nothing left to convert</source>
        <translation>Nichts mehr zu konvertieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every video in the list has been converted. Add more videos, or change a setting to convert them again with it.</source>
        <translation>Alle Videos in der Liste wurden konvertiert. Fügen Sie weitere Videos hinzu oder ändern Sie eine Einstellung, um sie damit erneut zu konvertieren.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing to convert</source>
        <translation>Nichts zu konvertieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add videos with &quot;Add Videos…&quot; or drop them on the list.</source>
        <translation>Fügen Sie Videos mit „Videos hinzufügen …“ hinzu oder ziehen Sie sie auf die Liste.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No disc this time</source>
        <translation>Diesmal keine Disc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Some videos were skipped, and a disc is made of every video in the list. The others are converted.</source>
        <translation>Einige Videos wurden übersprungen, eine Disc entsteht aber nur aus allen Videos der Liste. Die übrigen werden konvertiert.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Subtitles left out</source>
        <translation>Untertitel weggelassen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>not read</source>
        <translation>nicht gelesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading was cancelled; remove the video and add it again.</source>
        <translation>Das Lesen wurde abgebrochen; entfernen Sie das Video und fügen Sie es erneut hinzu.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>converting</source>
        <translation>wird konvertiert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Converting &quot;%1&quot; (%2 of %3)</source>
        <translation>„%1“ wird konvertiert (%2 von %3)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>done and verified</source>
        <translation>fertig und geprüft</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1
(%2 appeared meanwhile and is kept)</source>
        <translation>%1
(%2 ist inzwischen entstanden und bleibt erhalten)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cancelled; unfinished outputs removed</source>
        <translation>Abgebrochen; unfertige Ausgaben entfernt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finished: %1 of %2 converted</source>
        <translation>Fertig: %1 von %2 konvertiert</translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <source>%n video(s) converted</source>
        <translation>
            <numerusform>%n Video konvertiert</numerusform>
            <numerusform>%n Videos konvertiert</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 converted, %2 failed</source>
        <translation>%1 konvertiert, %2 fehlgeschlagen</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>%1 of %n video(s) converted and verified into %2.</source>
        <translation>
            <numerusform>%1 von %n Video nach %2 konvertiert und geprüft.</numerusform>
            <numerusform>%1 von %n Videos nach %2 konvertiert und geprüft.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>

Before it started, it %1.</source>
        <translation>

Vor dem Start wurden %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+72"/>
        <location line="+28"/>
        <location line="+1"/>
        <source>Show Folder</source>
        <translation>Ordner anzeigen</translation>
    </message>
    <message>
        <location line="-98"/>
        <source>Conversion finished</source>
        <translation>Konvertierung abgeschlossen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Conversion finished with errors</source>
        <translation>Konvertierung mit Fehlern abgeschlossen</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+71"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>Finished: the disc is made</source>
        <translation>Fertig: die Disc ist erstellt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled; the unfinished disc was removed</source>
        <translation>Abgebrochen; die unfertige Disc wurde entfernt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The disc failed</source>
        <translation>Die Disc ist fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The disc is ready</source>
        <translation>Die Disc ist fertig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The videos are converted, but the disc failed</source>
        <translation>Die Videos sind konvertiert, aber die Disc ist fehlgeschlagen</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n video(s) converted, verified and put on the disc, which was read back whole:
%1 (VIDEO_TS)</source>
        <translation>
            <numerusform>%n Video konvertiert, geprüft und auf die Disc gebracht, die vollständig zurückgelesen wurde:
%1 (VIDEO_TS)</numerusform>
            <numerusform>%n Videos konvertiert, geprüft und auf die Disc gebracht, die vollständig zurückgelesen wurde:
%1 (VIDEO_TS)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>
%1 (the image to burn)</source>
        <translation>
%1 (das Abbild zum Brennen)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The videos are converted in %1, but the disc could not be made: %2</source>
        <translation>Die Videos sind in %1 konvertiert, aber die Disc konnte nicht erstellt werden: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>

Not on the disc, though asked for:
</source>
        <translation>

Nicht auf der Disc, obwohl verlangt:
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Disc made</source>
        <translation>Disc erstellt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No disc</source>
        <translation>Keine Disc</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Elapsed %1, remaining %2</source>
        <translation>Verstrichen %1, verbleibend %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+12"/>
        <source>Stop and Close</source>
        <translation>Anhalten und schließen</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Stop making the disc?</source>
        <translation>Erstellen der Disc anhalten?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closing the window stops the disc and removes what was made of it. The converted videos are kept.</source>
        <translation>Das Schließen des Fensters hält die Erstellung der Disc an und entfernt, was davon schon entstanden ist. Die konvertierten Videos bleiben erhalten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep Going</source>
        <translation>Weitermachen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Stop the conversion?</source>
        <translation>Konvertierung anhalten?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closing the window stops the conversion and removes the unfinished output.</source>
        <translation>Das Schließen des Fensters hält die Konvertierung an und entfernt die unfertige Ausgabe.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep Converting</source>
        <translation>Weiter konvertieren</translation>
    </message>
</context>
<context>
    <name>convert::PictureBox</name>
    <message>
        <location filename="../window/picturebox.cpp" line="+30"/>
        <source>%1 pixels high</source>
        <translation>%1 Pixel hoch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (top:bottom:left:right)</source>
        <translation>%1 (oben:unten:links:rechts)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Largest size:</source>
        <translation>Maximale Größe:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Original size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1080p (1920x1080)</source>
        <translation>1080p (1920x1080)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>720p (1280x720)</source>
        <translation>720p (1280x720)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>480p (854x480)</source>
        <translation>480p (854x480)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Only ever smaller, never larger, in its own shape; a DVD&apos;s frame is fixed</source>
        <translation>Nur verkleinern, nie vergrößern, im eigenen Seitenverhältnis; das Bildformat einer DVD ist fest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crop:</source>
        <translation>Zuschneiden:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>None</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+7"/>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Automatic cuts the black bars found at five places through each video</source>
        <translation>„Automatisch“ schneidet die schwarzen Balken ab, die an fünf Stellen in jedem Video gefunden werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Denoise:</source>
        <translation>Entrauschen:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+6"/>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Light</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deinterlace:</source>
        <translation>Deinterlacing:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatic follows the video&apos;s stream, or the interlace test when it does not say</source>
        <translation>„Automatisch“ folgt den Angaben des Videostreams oder, wenn dieser nichts angibt, der Interlace-Erkennung</translation>
    </message>
</context>
<context>
    <name>convert::SourceList</name>
    <message>
        <location filename="../window/sourcelist.cpp" line="+79"/>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tracks</source>
        <translation>Spuren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In MB of 1024 x 1024 bytes, as every size in this program</source>
        <translation>In MB zu 1024 x 1024 Byte, wie jede Größe in diesem Programm</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 is still being read</source>
        <translation>%1 wird noch gelesen</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>reading…</source>
        <translation>wird gelesen …</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>refused: %1</source>
        <translation>abgelehnt: %1</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Converted before with other settings; Convert makes it again with these</source>
        <translation>Schon mit anderen Einstellungen konvertiert; „Konvertieren“ erstellt es mit diesen neu</translation>
    </message>
</context>
<context>
    <name>convert::TrackList</name>
    <message>
        <location filename="../window/tracklist.cpp" line="+23"/>
        <source>mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Tracks of the selected video</source>
        <translation>Spuren des ausgewählten Videos</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Select one video to choose its sound and subtitle tracks</source>
        <translation>Wählen Sie ein Video aus, um seine Ton- und Untertitelspuren festzulegen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Picture subtitles cannot become MP4 text subtitles</source>
        <translation>Bilduntertitel können nicht zu MP4-Textuntertiteln werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DVD subtitles come from an .srt beside the video</source>
        <translation>DVD-Untertitel kommen aus einer .srt-Datei neben dem Video</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This video has no sound or subtitle track</source>
        <translation>Dieses Video hat keine Ton- oder Untertitelspur</translation>
    </message>
</context>
</TS>
