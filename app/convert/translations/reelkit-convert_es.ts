<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Authoring</name>
    <message>
        <location filename="../jobs/authoring.cpp" line="+150"/>
        <source>a disc needs at least one video</source>
        <translation>un disco necesita al menos un vídeo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a disc holds at most %1 titles</source>
        <translation>un disco contiene como máximo %1 títulos</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>cannot make a folder in %1</source>
        <translation>no se puede crear una carpeta en %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the fonts configuration for the subtitles could not be made (%1); spumux uses the system&apos;s</source>
        <translation>no se pudo crear la configuración de fuentes de los subtítulos (%1); spumux usa la del sistema</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>no ISO image: neither genisoimage nor xorriso is installed</source>
        <translation>sin imagen ISO: no está instalado ni genisoimage ni xorriso</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Rendering the subtitles of &quot;%1&quot;</source>
        <translation>Generando los subtítulos de «%1»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the subtitles %1 have no cue within &quot;%2&quot;; it is on the disc without them</source>
        <translation>los subtítulos %1 no tienen ninguna entrada dentro de «%2»; el título está en el disco sin ellos</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+328"/>
        <location line="+14"/>
        <source>cannot write in %1</source>
        <translation>no se puede escribir en %1</translation>
    </message>
    <message>
        <location line="-315"/>
        <source>Authoring the DVD</source>
        <translation>Creando el DVD</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reading back &quot;%1&quot;</source>
        <translation>Releyendo «%1»</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>dvdauthor made no video for &quot;%1&quot;</source>
        <translation>dvdauthor no generó ningún vídeo para «%1»</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Making the ISO image</source>
        <translation>Creando la imagen ISO</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reading back the ISO image</source>
        <translation>Releyendo la imagen ISO</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>%1 could not be started</source>
        <translation>%1 no se pudo iniciar</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>%1 crashed (%2)</source>
        <translation>%1 terminó de forma anómala (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 failed with code %2</source>
        <translation>%1 falló con el código %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 could not write</source>
        <translation>%1 no pudo escribir</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the ISO image could not be made: %1</source>
        <translation>no se pudo crear la imagen ISO: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the ISO image does not read back (%1); it was removed</source>
        <translation>la imagen ISO no se puede releer (%1); se ha eliminado</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the subtitles %1 could not be put on &quot;%2&quot;: %3</source>
        <translation>no se pudieron añadir los subtítulos %1 a «%2»: %3</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>ffmpeg failed with code %1</source>
        <translation>ffmpeg falló con el código %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it plays %1 s of %2 s</source>
        <translation>se reproducen %1 s de %2 s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the disc&apos;s title &quot;%1&quot; does not read back (%2)</source>
        <translation>el título «%1» del disco no se puede releer (%2)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 is missing from it</source>
        <translation>le falta %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2 of %3 bytes</source>
        <translation>%1 contiene %2 de %3 bytes</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it holds %1 bytes for %2 of files</source>
        <translation>contiene %1 bytes para %2 de archivos</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Putting the disc in place</source>
        <translation>Colocando el disco en su sitio</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the disc could not be moved into %1: %2</source>
        <translation>no se pudo mover el disco a %1: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the ISO image could not be moved beside the disc: %1</source>
        <translation>no se pudo mover la imagen ISO junto al disco: %1</translation>
    </message>
</context>
<context>
    <name>Budget</name>
    <message>
        <location filename="../model/budget.cpp" line="+67"/>
        <source>%1 has no quality mode (DVD players need a known bitrate): give a target size or a bitrate</source>
        <translation>%1 no tiene modo de calidad (los reproductores de DVD necesitan una tasa de bits conocida): indique un tamaño objetivo o una tasa de bits</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>quality %1 is outside what %2 takes: %3 (best) to %4</source>
        <translation>la calidad %1 está fuera de lo que admite %2: de %3 (la mejor) a %4</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the duration of the source is unknown, so no size can be planned</source>
        <translation>la duración de la fuente es desconocida, así que no se puede planificar ningún tamaño</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 kb/s is outside what %2 takes: %3 to %4 kb/s</source>
        <translation>%1 kb/s está fuera de lo que admite %2: de %3 a %4 kb/s</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the target size must be at least 1 MB</source>
        <translation>el tamaño objetivo debe ser de al menos 1 MB</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it leaves %1 kb/s for the picture</source>
        <translation>deja %1 kb/s para la imagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the sound alone fills it</source>
        <translation>solo el audio lo llena</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MB is too small for %2 of video: %3, and %4 needs at least %5 kb/s (about %6 MB)</source>
        <translation>%1 MB es demasiado poco para %2 de vídeo: %3, y %4 necesita al menos %5 kb/s (unos %6 MB)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 MB asks for %2 kb/s; %3 stops at %4 kb/s, about %5</source>
        <translation>%1 MB piden %2 kb/s; %3 llega como máximo a %4 kb/s, unos %5</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <location filename="../probing/cards.cpp" line="+170"/>
        <source>the time-stamp tool did not name this clip</source>
        <translation>la herramienta de marcas de tiempo no dio nombre a este clip</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the card has no playlist</source>
        <translation>la tarjeta no tiene lista de reproducción</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>named by the file&apos;s modification time: %1</source>
        <translation>nombrado según la fecha de modificación del archivo: %1</translation>
    </message>
</context>
<context>
    <name>Disc</name>
    <message numerus="yes">
        <location filename="../model/disc.cpp" line="+34"/>
        <source>the %n video(s)</source>
        <translation>
            <numerusform>%n vídeo</numerusform>
            <numerusform>%n vídeos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+33"/>
        <source>a dual-layer DVD (8.5 GB)</source>
        <translation>un DVD de doble capa (8,5 GB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a single-layer DVD (4.7 GB)</source>
        <translation>un DVD de una capa (4,7 GB)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 MB is %2 MB more than %3 has for videos (%4 MB); a target size of %4 MB fits</source>
        <translation>%1 MB son %2 MB más de lo que %3 tiene para vídeos (%4 MB); cabe un tamaño objetivo de %4 MB</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 (%2 in all): %3</source>
        <translation>%1 (%2 en total): %3</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 (%2 in all) need about %3 at %4 kb/s: %5 more than %6 has for videos (%7 MB).</source>
        <translation>%1 (%2 en total): hacen falta unos %3 a %4 kb/s, %5 más de lo que %6 tiene para vídeos (%7 MB).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source> A target size of %1 MB fits them (%2 kb/s for each picture).</source>
        <translation> Caben con un tamaño objetivo de %1 MB (%2 kb/s para la imagen de cada uno).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source> Even at %1&apos;s lowest %2 kb/s they do not fit; a dual-layer disc does, with a target size of %3 MB.</source>
        <translation> Ni siquiera a la tasa mínima de %1 (%2 kb/s) caben; en un disco de doble capa sí, con un tamaño objetivo de %3 MB.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> Even at %1&apos;s lowest %2 kb/s they do not fit: leave some videos out.</source>
        <translation> Ni siquiera a la tasa mínima de %1 (%2 kb/s) caben: deje fuera algunos vídeos.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a disc is made with a DVD preset (dvd-pal or dvd-ntsc), not %1</source>
        <translation>un disco se hace con un perfil de DVD (dvd-pal o dvd-ntsc), no con %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a disc made here holds at most %1 titles, and %2 videos were given: leave %3 out, or make two discs</source>
        <translation>un disco hecho aquí contiene como máximo %1 títulos, y se indicaron %2 vídeos: deje fuera %3 o haga dos discos</translation>
    </message>
</context>
<context>
    <name>Discovery</name>
    <message>
        <location filename="../probing/discovery.cpp" line="+62"/>
        <source>cannot read the card&apos;s clips in %1: %2</source>
        <translation>no se pueden leer los clips de la tarjeta en %1: %2</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <location filename="../window/display.cpp" line="+62"/>
        <source>the display %1 did not answer within %2 s</source>
        <translation>la pantalla %1 no respondió en %2 s</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>no display answers at %1</source>
        <translation>ninguna pantalla responde en %1</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <location filename="../jobs/job.cpp" line="+108"/>
        <location line="+262"/>
        <source>%1 is the source itself and is kept</source>
        <translation>%1 es la propia fuente y se conserva</translation>
    </message>
    <message>
        <location line="-130"/>
        <source>no message</source>
        <translation>sin mensaje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 stopped unexpectedly (%2)</source>
        <translation>%1 se detuvo inesperadamente (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 failed with code %2: %3</source>
        <translation>%1 falló con el código %2: %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 could not write: %2</source>
        <translation>%1 no pudo escribir: %2</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>the output does not decode (%1); it was removed, the source is untouched</source>
        <translation>la salida no se puede decodificar (%1); se ha eliminado, la fuente está intacta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ffmpeg failed with code %1</source>
        <translation>ffmpeg falló con el código %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the output cannot be opened as a video (%1); it was removed, the source is untouched</source>
        <translation>la salida no se puede abrir como vídeo (%1); se ha eliminado, la fuente está intacta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ffprobe failed with code %1</source>
        <translation>ffprobe falló con el código %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>ffmpeg wrote nothing for %1</source>
        <translation>ffmpeg no escribió nada para %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1; it was removed, the source is untouched</source>
        <translation>%1; se ha eliminado, la fuente está intacta</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the sound could not be decoded whole (%1 s of %2 s)</source>
        <translation>el audio no se pudo decodificar entero (%1 s de %2 s)</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <location filename="../main.cpp" line="+34"/>
        <source>the window needs a display (DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>la ventana necesita una pantalla (DISPLAY o WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the window needs a display, and %1</source>
        <translation>la ventana necesita una pantalla, y %1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>reelkit-convert: %1; without one, give the files to convert in the terminal
</source>
        <translation>reelkit-convert: %1; sin pantalla, indique en el terminal los archivos que quiere convertir
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>reelkit-convert: %1; converting in the terminal instead
</source>
        <translation>reelkit-convert: %1; se convierte en el terminal en su lugar
</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <location filename="../model/options.cpp" line="+110"/>
        <source>--window and --terminal exclude each other</source>
        <translation>--window y --terminal se excluyen mutuamente</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>unknown preset &apos;%1&apos; (presets: %2, and yours: --list-presets)</source>
        <translation>perfil «%1» desconocido (perfiles: %2, y los suyos: --list-presets)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>--%1 takes %2, not &apos;%3&apos;</source>
        <translation>--%1 admite %2, no «%3»</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--audio-bitrate takes kb/s from 32 to 640, not &apos;%1&apos;</source>
        <translation>--audio-bitrate admite kb/s de 32 a 640, no «%1»</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>preset &apos;%1&apos; is no built-in preset (%2)</source>
        <translation>el perfil «%1» no es un perfil incorporado (%2)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>preset file refused: %1</source>
        <translation>archivo de perfil rechazado: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>preset file %1 not imported: %2</source>
        <translation>archivo de perfil %1 no importado: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the preset &apos;%1&apos; from %2, kept as %3</source>
        <translation>el perfil «%1» de %2, guardado como %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>your preset &apos;%1&apos; is refused: %2</source>
        <translation>su perfil «%1» se rechaza: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>your preset &apos;%1&apos; (%2)</source>
        <translation>su perfil «%1» (%2)</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>give one of --quality, --size and --bitrate</source>
        <translation>indique solo una de --quality, --size y --bitrate</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--quality takes a whole number from %1 (best) to %2, not &apos;%3&apos;</source>
        <translation>--quality admite un número entero de %1 (la mejor) a %2, no «%3»</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--size takes a whole number of megabytes above 0, not &apos;%1&apos;</source>
        <translation>--size admite un número entero de megabytes mayor que 0, no «%1»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--bitrate takes a whole number of kb/s above 0, not &apos;%1&apos;</source>
        <translation>--bitrate admite un número entero de kb/s mayor que 0, no «%1»</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>--chapters takes whole minutes from 0 (none) to %1, not &apos;%2&apos;</source>
        <translation>--chapters admite minutos enteros de 0 (ninguno) a %1, no «%2»</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--disc-name takes a name for the disc folder, not &apos;%1&apos;</source>
        <translation>--disc-name admite un nombre para la carpeta del disco, no «%1»</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--subtitles needs a file</source>
        <translation>--subtitles necesita un archivo</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>--%1 goes with --disc</source>
        <translation>--%1 va con --disc</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--disc needs a DVD preset (-p dvd-pal or -p dvd-ntsc), not %1</source>
        <translation>--disc necesita un perfil de DVD (-p dvd-pal o -p dvd-ntsc), no %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--disc needs a DVD preset: -p dvd-pal or -p dvd-ntsc</source>
        <translation>--disc necesita un perfil de DVD: -p dvd-pal o -p dvd-ntsc</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>give one of --max-size and --height</source>
        <translation>indique solo una de --max-size y --height</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--max-size and --height are for MP4 presets: a DVD&apos;s frame is fixed</source>
        <translation>--max-size y --height son para perfiles MP4: el tamaño de imagen de un DVD es fijo</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción «%1» desconocida</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>--output needs a folder</source>
        <translation>--output necesita una carpeta</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>default quality %1</source>
        <translation>calidad predeterminada %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>default %1 kb/s</source>
        <translation>%1 kb/s predeterminados</translation>
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
        <translation>Uso: %1 [-p PRESET] [-q CRF | -s MB | -b KBPS] [-o DIR] [-y] [-n]
          [--normalize] [--audio TRACKS] [--subtitle TRACKS]
          [--burn-subtitle TRACK] [--max-size WxH | --height H] [--crop CROP]
          [--denoise HOW] [--deinterlace WHEN]
          [--start T] [--stop T | --duration T] [--json]
          [--container KIND] [--speed SPEED] [--audio-codec CODEC]
          [--audio-bitrate KBPS]
          [--list-presets] [--save-preset NAME] [--preset-file FILE]
          [--disc [--dual-layer] [--chapters MIN] [--subtitles FILE]...]
          FILE|FOLDER...
Convierte vídeos con ffmpeg: a una calidad, a un tamaño objetivo o a una tasa
de bits.

  -p, --preset P     el tipo de salida (predeterminado: mp4)
  -q, --quality CRF  calidad constante, de %2 (la mejor, la más grande) a %3
                     (la peor); solo perfiles MP4, y por defecto la de cada
                     uno (mp4 23, mp4-hevc 28)
  -s, --size MB      hace cada salida de unos MB megabytes (dos pasadas en
                     MP4); con --disc, todos los títulos juntos
  -b, --bitrate KBPS codifica la imagen a KBPS kilobits por segundo
                     (predeterminado en DVD)
  -o, --output DIR   escribe las salidas en DIR (predeterminado: la carpeta
                     actual)
  -y, --overwrite    reemplaza las salidas que ya existen (si no, se
                     conservan; en un terminal se le pregunta); una fuente
                     nunca se reemplaza
  -n, --dry-run      muestra el plan y las líneas de órdenes de ffmpeg, no
                     convierte nada
      --audio TRACKS las pistas de audio que se conservan: default (la
                     marcada como predeterminada, si no la primera), all,
                     none, o números de pista como los muestra el plan e
                     idiomas, separados por comas (--audio fre,eng o 2,1);
                     la primera se marca como predeterminada. Un DVD
                     conserva como máximo 8
      --subtitle TRACKS  las pistas de subtítulos que se conservan: all
                     (predeterminado: las que admite la salida), none, o
                     números e idiomas como en --audio
      --burn-subtitle TRACK  incrusta esa pista de subtítulos (un número o
                     un idioma), de texto o de imágenes, en la imagen
      --max-size WxH hace cada MP4 de como máximo W x H (en cualquier
                     orientación), con sus proporciones; nunca mayor que la
                     fuente
      --height H     hace cada MP4 de como máximo H píxeles de alto, con sus
                     proporciones
      --crop CROP    auto (las franjas negras halladas en varios puntos),
                     none (predeterminado) o ARRIBA:ABAJO:IZQUIERDA:DERECHA
                     en píxeles
      --denoise HOW  off (predeterminado), light o strong
      --deinterlace WHEN  auto (según el flujo o la prueba de entrelazado
                     de ffmpeg; predeterminado), on u off
      --start T      convierte desde T (90, 1:30, 0:01:30.5, 1m30s...)
      --stop T       convierte hasta T de la fuente; --duration T: durante T
      --normalize    nivela el audio de cada vídeo con normalize antes de
                     codificarlo
      --no-verify    no comprueba las salidas (de forma predeterminada cada
                     una se abre, sus pistas y duraciones se comparan con
                     las de la fuente y se decodifica entera antes de darla
                     por terminada; los títulos y la imagen de un disco se
                     releen)
      --disc         con un perfil de DVD, sigue hasta un DVD: un título por
                     vídeo en una carpeta VIDEO_TS y una imagen ISO
                     (genisoimage o xorriso)
      --dual-layer   un disco de 8,5 GB en lugar de 4,7 GB
      --chapters MIN un capítulo cada MIN minutos (predeterminado 5;
                     0: ninguno)
      --disc-name NAME  el nombre de la carpeta del disco (predeterminado
                     DVD; numerado si ya existe)
      --subtitles FILE  subtítulos SubRip para el disco, los primeros para
                     el primer vídeo, los siguientes para el siguiente...;
                     un .srt junto a un vídeo con su nombre se toma sin
                     preguntar
      --container KIND  mp4 o mkv (Matroska, que admite cualquier audio y
                     subtítulo)
      --speed SPEED  la velocidad del codificador, de ultrafast a veryslow
                     (predeterminado medium; más lento da un archivo más
                     pequeño con la misma calidad)
      --audio-codec CODEC  aac, ac3, opus (solo MKV) o copy (cada pista de
                     audio tal cual si el contenedor la admite, si no AAC)
      --audio-bitrate KBPS  la tasa de bits del audio, de 32 a 640
                     (predeterminado 192)
      --list-presets los perfiles, los incorporados y los suyos
      --save-preset NAME  guarda los ajustes de esta línea como su perfil
                     NAME (también convierte los FILE, si los hay); úselo
                     con -p NAME
      --preset-file FILE  toma un perfil de un archivo (una lista de
                     propiedades XML, como la que escribe --save-preset),
                     lo guarda entre los suyos y lo usa
      --json         escribe el plan, el progreso, cada resultado y un
                     resumen como un objeto JSON por línea en la salida
                     estándar, y nada más en ella
  -w, --window       abre la ventana, con los FILE en ella
  -t, --terminal     convierte en el terminal aunque haya una pantalla
  -d, --debug        escribe el registro de diagnóstico del kit de
                     herramientas en la salida de error estándar (si no, va
                     a reelkit-convert.log en la carpeta temporal)
  -h, --help         muestra este texto
  -V, --version      muestra la versión

Perfiles:
%4
Los tamaños se expresan siempre en MB de 1024 x 1024 bytes (entradas,
estimaciones, resultados).
En cada FOLDER se buscan vídeos; una tarjeta de cámara (PRIVATE/AVCHD/BDMV o
BDMV) aporta sus clips, nombrados por su hora de grabación. Solo se leen
archivos normales: no tuberías ni dispositivos.
Los idiomas son códigos ISO 639, tal como los guardan los contenedores o más
cortos: eng, fre, fra, en, fr.
Se conserva la pista de audio marcada como predeterminada (si no, la
primera); MP4 conserva los subtítulos de texto.
Sin FILE, se convierte una muestra de 5 segundos creada con las fuentes de
prueba de ffmpeg.
Si se inicia sin argumentos donde responde una pantalla, abre su ventana.
Códigos de salida: 0 terminado, 1 falló una conversión, su comprobación o una
parte del disco, 2 opción o tamaño incorrectos (un disco demasiado grande o
con demasiados títulos), 3 falta una herramienta, 4 fuente ilegible, 5 la
salida ya existe, 130 interrumpido (Ctrl-C, se cerró el terminal o la
tubería de salida).
</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <location filename="../model/picture.cpp" line="+76"/>
        <source>cropping %1:%2:%3:%4 leaves no picture of %5x%6</source>
        <translation>recortar %1:%2:%3:%4 no deja nada de una imagen de %5x%6</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cropped %1:%2:%3:%4</source>
        <translation>recortada %1:%2:%3:%4</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>denoised (strong)</source>
        <translation>sin ruido (fuerte)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>denoised (light)</source>
        <translation>sin ruido (ligero)</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>deinterlaced to progressive</source>
        <translation>desentrelazado a progresivo</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>variable frame rate made a steady %1 fps</source>
        <translation>velocidad de fotogramas variable fijada en %1 fps</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>bars above and below</source>
        <translation>franjas arriba y abajo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bars left and right</source>
        <translation>franjas a izquierda y derecha</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>--max-size takes WIDTHxHEIGHT in pixels, such as 1280x720, not &apos;%1&apos;</source>
        <translation>--max-size admite ANCHOxALTO en píxeles, como 1280x720, no «%1»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--height takes a height in pixels, such as 720, not &apos;%1&apos;</source>
        <translation>--height admite una altura en píxeles, como 720, no «%1»</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>--crop takes auto, none or TOP:BOTTOM:LEFT:RIGHT in pixels, not &apos;%1&apos;</source>
        <translation>--crop admite auto, none o ARRIBA:ABAJO:IZQUIERDA:DERECHA en píxeles, no «%1»</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--%1 takes %2 or %3, not &apos;%4&apos;</source>
        <translation>--%1 admite %2 o %3, no «%4»</translation>
    </message>
</context>
<context>
    <name>Placement</name>
    <message>
        <location filename="../model/placement.cpp" line="+72"/>
        <source>%1 is gone: %2</source>
        <translation>%1 ha desaparecido: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is a folder and is kept</source>
        <translation>%1 es una carpeta y se conserva</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+19"/>
        <source>cannot move the output to %1: %2</source>
        <translation>no se puede mover la salida a %1: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>no free name beside %1</source>
        <translation>no hay ningún nombre libre junto a %1</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <location filename="../model/plan.cpp" line="+116"/>
        <source>its DVD subpictures are left out: they would not sit on a cropped picture</source>
        <translation>sus subimágenes de DVD se dejan fuera: no encajarían en una imagen recortada</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>the destination %1 is not a folder</source>
        <translation>el destino %1 no es una carpeta</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>the outputs need about %1 and %2 has %3 free</source>
        <translation>las salidas necesitan unos %1 y %2 solo tiene %3 libres</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <location filename="../model/presets.cpp" line="+30"/>
        <source>MP4, H.264 and AAC, the source&apos;s picture size</source>
        <translation>MP4, H.264 y AAC, con el tamaño de imagen de la fuente</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>MP4, HEVC (H.265) and AAC, the source&apos;s picture size</source>
        <translation>MP4, HEVC (H.265) y AAC, con el tamaño de imagen de la fuente</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>DVD MPEG-2, PAL 720x576 at 25 fps</source>
        <translation>DVD MPEG-2, PAL 720x576 a 25 fps</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>DVD MPEG-2, NTSC 720x480 at 29.97 fps</source>
        <translation>DVD MPEG-2, NTSC 720x480 a 29,97 fps</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>MKV, H.264, the sound and every subtitle track as the source has them</source>
        <translation>MKV, H.264, el audio y todas las pistas de subtítulos tal como los tiene la fuente</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Phones and the web: MP4 at most 1280x720, H.264 High 4.0, AAC 160 kb/s</source>
        <translation>Teléfonos y web: MP4 de como máximo 1280x720, H.264 High 4.0, AAC 160 kb/s</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>TVs: MP4 at most 1920x1080, H.264 High 4.1, AAC 192 kb/s</source>
        <translation>Televisores: MP4 de como máximo 1920x1080, H.264 High 4.1, AAC 192 kb/s</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Archive: MKV, HEVC at quality 20 (slow), the sound and subtitles as they are</source>
        <translation>Para archivar: MKV, HEVC con calidad 20 (lento), el audio y los subtítulos tal cual</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>a DVD&apos;s container, encoder and sound are fixed: --container, --speed and --audio-codec are for the other presets</source>
        <translation>el contenedor, el codificador y el audio de un DVD son fijos: --container, --speed y --audio-codec son para los demás perfiles</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Opus sound goes in MKV: give --container mkv or -p mkv</source>
        <translation>el audio Opus va en MKV: indique --container mkv o -p mkv</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>quality %1</source>
        <translation>calidad %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>speed %1</source>
        <translation>velocidad %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sound copied</source>
        <translation>audio copiado</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <location filename="../terminal/printing.cpp" line="+67"/>
        <source>  overall %1%  %2</source>
        <translation>  total %1%  %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  overall %1%</source>
        <translation>  total %1%</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>elapsed %1, left %2</source>
        <translation>transcurrido %1, queda %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>progress: %1 %2% (overall %3%, %4)
</source>
        <translation>progreso: %1 %2% (total %3%, %4)
</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>  note: %1 appeared meanwhile and is kept; this video is %2
</source>
        <translation>  nota: %1 apareció mientras tanto y se conserva; este vídeo se ha escrito en %2
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  done and verified: %1 (%2) in %3
</source>
        <translation>  terminado y verificado: %1 (%2) en %3
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  done: %1 (%2) in %3
</source>
        <translation>  terminado: %1 (%2) en %3
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 failed: %2</source>
        <translation>%1 falló: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  cancelled; the partial output was removed
</source>
        <translation>  cancelado; se eliminó la salida parcial
</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>[disc] %1
</source>
        <translation>[disco] %1
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>elapsed %1</source>
        <translation>transcurrido %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>progress: disc %1% (overall %2%, %3)
</source>
        <translation>progreso: disco %1% (total %2%, %3)
</translation>
    </message>
</context>
<context>
    <name>Probe</name>
    <message>
        <location filename="../probing/probe.cpp" line="+59"/>
        <source>the interlace test</source>
        <translation>la prueba de entrelazado</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is a folder, not a video</source>
        <translation>%1 es una carpeta, no un vídeo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a special file</source>
        <translation>un archivo especial</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is %2, not a regular file; only files can be converted</source>
        <translation>%1 es %2, no un archivo normal; solo se pueden convertir archivos</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>%1 cannot be read: the file is empty</source>
        <translation>no se puede leer %1: el archivo está vacío</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+35"/>
        <source>%1 on %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>%1 is a still picture, not a video</source>
        <translation>%1 es una imagen fija, no un vídeo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 cannot be read: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
</context>
<context>
    <name>RunPlan</name>
    <message>
        <location filename="../model/runplan.cpp" line="+54"/>
        <source>the videos, the disc folder and its image need about %1 and %2 has %3 free</source>
        <translation>los vídeos, la carpeta del disco y su imagen necesitan unos %1 y %2 solo tiene %3 libres</translation>
    </message>
</context>
<context>
    <name>Sample</name>
    <message>
        <location filename="../probing/sample.cpp" line="+19"/>
        <source>no private temporary folder to make the sample in</source>
        <translation>no hay ninguna carpeta temporal privada donde crear la muestra</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>ffmpeg could not make the sample %1: %2</source>
        <translation>ffmpeg no pudo crear la muestra %1: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>ffmpeg could not make the sample %1%2</source>
        <translation>ffmpeg no pudo crear la muestra %1%2</translation>
    </message>
</context>
<context>
    <name>SavedPresets</name>
    <message>
        <location filename="../model/savedpresets.cpp" line="+76"/>
        <source>&apos;%1&apos; cannot name a preset: use up to 64 letters, digits, spaces, &apos;-&apos; and &apos;_&apos;</source>
        <translation>«%1» no puede ser el nombre de un perfil: use hasta 64 letras, cifras, espacios, «-» y «_»</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&apos;%1&apos; is a built-in preset; choose another name</source>
        <translation>«%1» es un perfil incorporado; elija otro nombre</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1: larger than a preset can be (%2 KB)</source>
        <translation>%1: más grande de lo que puede ser un perfil (%2 KB)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1, line 1: not an XML property list</source>
        <translation>%1, línea 1: no es una lista de propiedades XML</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1, line 1: the root is not a dictionary</source>
        <translation>%1, línea 1: la raíz no es un diccionario</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>unknown key &apos;%1&apos; (a preset keeps %2)</source>
        <translation>clave «%1» desconocida (un perfil guarda %2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>made by a later version (format %1)</source>
        <translation>creado por una versión posterior (formato %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 takes a word or a number</source>
        <translation>%1 admite una palabra o un número</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no &apos;preset&apos; key names the built-in preset it starts from</source>
        <translation>ninguna clave «preset» nombra el perfil incorporado del que parte</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>Source</name>
    <message>
        <location filename="../model/source.cpp" line="+187"/>
        <source>%1 cannot be read: ffprobe said nothing that could be understood</source>
        <translation>no se puede leer %1: ffprobe no dijo nada comprensible</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 holds no video that ffmpeg can read</source>
        <translation>%1 no contiene ningún vídeo que ffmpeg pueda leer</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 is a still picture, not a video</source>
        <translation>%1 es una imagen fija, no un vídeo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 has no duration that ffmpeg can read</source>
        <translation>%1 no tiene una duración que ffmpeg pueda leer</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>progressive</source>
        <translation>progresivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>interlaced, top field first</source>
        <translation>entrelazado, campo superior primero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>interlaced, bottom field first</source>
        <translation>entrelazado, campo inferior primero</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>scan unknown</source>
        <translation>exploración desconocida</translation>
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
        <translation>no se pueden leer los subtítulos %1 (no existe el archivo)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the subtitles %1 cannot be read (not a regular file)</source>
        <translation>no se pueden leer los subtítulos %1 (no es un archivo normal)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the subtitles %1 are too large (%2 MB) to be subtitles</source>
        <translation>los subtítulos %1 son demasiado grandes (%2 MB) para ser subtítulos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the subtitles %1 cannot be read: %2</source>
        <translation>no se pueden leer los subtítulos %1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>their encoding is not known</source>
        <translation>su codificación es desconocida</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the subtitles %1 hold no cue that can be read</source>
        <translation>los subtítulos %1 no contienen ninguna entrada legible</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1; the disc is made without them</source>
        <translation>%1; el disco se hace sin ellos</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>the subtitles %1 have no video of their own (%n video(s)) and are left out</source>
        <translation>
            <numerusform>los subtítulos %1 no tienen un vídeo propio (%n vídeo) y se dejan fuera</numerusform>
            <numerusform>los subtítulos %1 no tienen un vídeo propio (%n vídeos) y se dejan fuera</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <location filename="../terminal/terminal.cpp" line="+99"/>
        <source>%1 exists. Replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source> (give --overwrite to replace it)</source>
        <translation> (indique --overwrite para reemplazarlo)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 already exists and is kept%2</source>
        <translation>%1 ya existe y se conserva%2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The output folder %1 does not exist yet; it would be made.
</source>
        <translation>La carpeta de salida %1 aún no existe; se crearía.
</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot create the output folder %1</source>
        <translation>no se puede crear la carpeta de salida %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>quality %1 (the size is not known in advance)</source>
        <translation>calidad %1 (el tamaño no se conoce de antemano)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 kb/s picture, about %2</source>
        <translation>imagen a %1 kb/s, unos %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: %2 -&gt; %3
  picture: %4; %5
  tracks: %6
</source>
        <translation>%1: %2 -&gt; %3
  imagen: %4; %5
  pistas: %6
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  part: %1
</source>
        <translation>  parte: %1
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  title: %1
</source>
        <translation>  título: %1
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>  %1 exists and would be %2
</source>
        <translation>  %1 existe y sería %2
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>replaced</source>
        <translation>reemplazado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kept (give --overwrite to replace it)</source>
        <translation>conservado (indique --overwrite para reemplazarlo)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  sound: %1
  normalize: %2
</source>
        <translation>  audio: %1
  normalize: %2
</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>  ffmpeg pass %1 of %2: %3
</source>
        <translation>  ffmpeg, pasada %1 de %2: %3
</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>disc: %1 of %2 in %3%4; %5
</source>
        <translation>disco: %1 de %2 en %3%4; %5
</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n title(s)</source>
        <translation>
            <numerusform>%n título</numerusform>
            <numerusform>%n títulos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source> (no ISO image: install xorriso or genisoimage)</source>
        <translation> (sin imagen ISO: instale xorriso o genisoimage)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> and %1</source>
        <translation> y %1</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>a chapter every %n minute(s)</source>
        <translation>
            <numerusform>un capítulo cada %n minuto</numerusform>
            <numerusform>un capítulo cada %n minutos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no chapters</source>
        <translation>sin capítulos</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>  subtitles of %1: %2 (%n cue(s)%3%4)
</source>
        <translation>
            <numerusform>  subtítulos de %1: %2 (%n entrada%3%4)
</numerusform>
            <numerusform>  subtítulos de %1: %2 (%n entradas%3%4)
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>, %n left out</source>
        <translation>
            <numerusform>, %n descartada</numerusform>
            <numerusform>, %n descartadas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>disc: %1 (VIDEO_TS)%2
</source>
        <translation>disco: %1 (VIDEO_TS)%2
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the disc is not all that was asked for: %1</source>
        <translation>el disco no tiene todo lo que se pidió: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  cancelled; the unfinished disc was removed
</source>
        <translation>  cancelado; se eliminó el disco sin terminar
</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+76"/>
        <source>interrupted</source>
        <translation>interrumpido</translation>
    </message>
    <message>
        <location line="-73"/>
        <source>no disc: %1</source>
        <translation>sin disco: %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>
Yours, in %1:
</source>
        <translation>
Los suyos, en %1:
</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>preset: %1
</source>
        <translation>perfil: %1
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the preset %1 was not saved: %2</source>
        <translation>el perfil %1 no se guardó: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>saved your preset &apos;%1&apos; in %2 (use it with -p &apos;%1&apos;)
</source>
        <translation>su perfil «%1» se guardó en %2 (úselo con -p &apos;%1&apos;)
</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Dry run: nothing was converted. A real run writes each output in a private work folder in the destination, checks it, and moves it into place at the end.
</source>
        <translation>Simulación: no se ha convertido nada. Una conversión real escribe cada salida en una carpeta de trabajo privada dentro del destino, la comprueba y la coloca en su sitio al final.
</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+120"/>
        <source>note: %1
</source>
        <translation>nota: %1
</translation>
    </message>
    <message>
        <location line="-108"/>
        <source>No file given: converting a %1-second sample made with ffmpeg&apos;s test sources.
</source>
        <translation>No se indicó ningún archivo: se convierte una muestra de %1 segundos creada con las fuentes de prueba de ffmpeg.
</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>no videos found in %1</source>
        <translation>no se encontraron vídeos en %1</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Give %1.
</source>
        <translation>Indique %1.
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <location line="+77"/>
        <source>%1 of %2 converted%3 in %4, into %5
</source>
        <translation>%1 de %2 convertidos%3 en %4, dentro de %5
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> and verified</source>
        <translation> y verificados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> (not verified)</source>
        <translation> (sin verificar)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no disc: not every video was converted</source>
        <translation>sin disco: no se convirtieron todos los vídeos</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Try &apos;%1 --help&apos;.
</source>
        <translation>Pruebe «%1 --help».
</translation>
    </message>
    <message>
        <location filename="../model/language.cpp" line="+86"/>
        <source>[y/N]</source>
        <comment>the answers to a question: the letter for yes, N for the default no</comment>
        <translation>[s/N]</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>y</source>
        <comment>the letter that answers yes, as in [y/N]</comment>
        <translation>s</translation>
    </message>
</context>
<context>
    <name>ToolFonts</name>
    <message>
        <location filename="../probing/toolfonts.cpp" line="+43"/>
        <location line="+147"/>
        <source>there is no private temporary folder</source>
        <translation>no hay ninguna carpeta temporal privada</translation>
    </message>
    <message>
        <location line="-134"/>
        <source>cannot replace the link %1</source>
        <translation>no se puede reemplazar el enlace %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot make the link %1</source>
        <translation>no se puede crear el enlace %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Japanese</source>
        <translation>japonés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Korean</source>
        <translation>coreano</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thai</source>
        <translation>tailandés</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hindi</source>
        <translation>hindi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinese</source>
        <translation>chino</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>%1 is no regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>the %1 subtitles are drawn in DejaVu Sans, which shows their letters as boxes: no %1 font is installed that spumux can draw with</source>
        <translation>los subtítulos en %1 se dibujan en DejaVu Sans, que muestra sus letras como cuadros: no hay instalada ninguna fuente para %1 con la que spumux pueda dibujar</translation>
    </message>
</context>
<context>
    <name>ToolOutput</name>
    <message>
        <location filename="../jobs/tooloutput.cpp" line="+91"/>
        <source>; %1 has %2 free</source>
        <translation>; %1 solo tiene %2 libres</translation>
    </message>
</context>
<context>
    <name>ToolProcess</name>
    <message>
        <location filename="../jobs/toolprocess.cpp" line="+61"/>
        <source>%1 could not be started: %2</source>
        <translation>%1 no se pudo iniciar: %2</translation>
    </message>
</context>
<context>
    <name>ToolRun</name>
    <message>
        <location filename="../probing/toolrun.cpp" line="+84"/>
        <source>%1 gave no answer within %2 s</source>
        <translation>%1 no respondió en %2 s</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 was cancelled</source>
        <translation>%1 se canceló</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 could not be started</source>
        <translation>%1 no se pudo iniciar</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message numerus="yes">
        <location filename="../model/tools.cpp" line="+36"/>
        <source>missing tool(s): %1 (looked for in %2; install ffmpeg and build again)</source>
        <translation>
            <numerusform>falta una herramienta: %1 (buscada en %2; instale ffmpeg y vuelva a compilar)</numerusform>
            <numerusform>faltan herramientas: %1 (buscadas en %2; instale ffmpeg y vuelva a compilar)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tracks</name>
    <message>
        <location filename="../model/tracks.cpp" line="+23"/>
        <source>default</source>
        <comment>the track marked default</comment>
        <translation>predeterminada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>video #%1</source>
        <translation>vídeo n.º %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>audio #%1</source>
        <translation>pista de audio n.º %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>subtitles #%1</source>
        <translation>subtítulos n.º %1</translation>
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
        <translation>no tiene ninguna</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its sound tracks are %1</source>
        <translation>sus pistas de audio son %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its subtitle tracks are %1</source>
        <translation>sus pistas de subtítulos son %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no sound track #%1: %2</source>
        <translation>no hay pista de audio #%1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no subtitle track #%1: %2</source>
        <translation>no hay pista de subtítulos #%1: %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>one sound track is kept</source>
        <translation>se conserva una sola pista de audio</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no sound asked for</source>
        <translation>no se pidió audio</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+172"/>
        <source>not asked for</source>
        <translation>no pedida</translation>
    </message>
    <message>
        <location line="-167"/>
        <source>no sound in %1: the default track is kept</source>
        <translation>no hay audio en %1: se conserva la pista predeterminada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no sound in %1</source>
        <translation>no hay audio en %1</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>%1 cannot be drawn into the picture</source>
        <translation>%1 no se puede incrustar en la imagen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 drawn into the picture</source>
        <translation>%1 se incrusta en la imagen</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>%1 as DVD subpictures</source>
        <translation>%1 como subimágenes de DVD</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 as MP4 text subtitles</source>
        <translation>%1 como subtítulos de texto MP4</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>a cover picture</source>
        <translation>una imagen de portada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>one picture is converted</source>
        <translation>se convierte una sola imagen</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>kept %1</source>
        <translation>se conservan: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kept %1 (no sound)</source>
        <translation>se conservan: %1 (sin audio)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; dropped %2</source>
        <comment>what is kept; what is left out</comment>
        <translation>%1; se descartan: %2</translation>
    </message>
    <message>
        <location line="-214"/>
        <source>no subtitles in %1</source>
        <translation>no hay subtítulos en %1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>no subtitles in %1 to draw into the picture</source>
        <translation>no hay subtítulos en %1 que incrustar en la imagen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>DVD subpictures drawn for another frame than %1x%2 (--burn-subtitle draws them into the picture)</source>
        <translation>subimágenes de DVD dibujadas para un tamaño de imagen distinto de %1x%2 (--burn-subtitle las incrusta en la imagen)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>only DVD subpictures go onto a DVD as they are (--burn-subtitle draws these into the picture)</source>
        <translation>solo las subimágenes de DVD van tal cual a un DVD (--burn-subtitle incrusta estos subtítulos en la imagen)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DVD subtitles are made when the disc is authored</source>
        <translation>los subtítulos del DVD se crean al generar el disco</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>picture subtitles cannot become MP4 text subtitles</source>
        <translation>los subtítulos de imagen no pueden convertirse en subtítulos de texto MP4</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>a DVD holds %1 sound tracks</source>
        <translation>un DVD admite como máximo %1 pistas de audio</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a DVD holds %1 subpicture streams</source>
        <translation>un DVD admite como máximo %1 flujos de subimágenes</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no subtitles asked for</source>
        <translation>no se pidieron subtítulos</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>%n data track(s)</source>
        <translation>
            <numerusform>%n pista de datos</numerusform>
            <numerusform>%n pistas de datos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n attachment(s) (fonts, pictures)</source>
        <translation>
            <numerusform>%n adjunto (fuentes, imágenes)</numerusform>
            <numerusform>%n adjuntos (fuentes, imágenes)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+20"/>
        <source>--burn-subtitle takes one track number as the plan shows it (3 for #3) or one language (eng, fr...), not &apos;%1&apos;</source>
        <translation>--burn-subtitle admite un número de pista como lo muestra el plan (3 para #3) o un idioma (eng, fr...), no «%1»</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 takes %2, track numbers as the plan shows them (2 for #2) or languages (eng, fr...), separated by commas; &apos;%3&apos; is neither</source>
        <translation>%1 admite %2, números de pista como los muestra el plan (2 para #2) o idiomas (eng, fr...), separados por comas; «%3» no es ninguna de las dos cosas</translation>
    </message>
</context>
<context>
    <name>Trim</name>
    <message>
        <location filename="../model/trim.cpp" line="+24"/>
        <source>--%1 takes a time such as 90, 1:30, 0:01:30.5 or 1m30s, not &apos;%2&apos;</source>
        <translation>--%1 admite un tiempo como 90, 1:30, 0:01:30.5 o 1m30s, no «%2»</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>give one of --stop and --duration</source>
        <translation>indique solo una de --stop y --duration</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--duration must be longer than nothing</source>
        <translation>--duration debe ser mayor que cero</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--stop %1 is not after the start (%2)</source>
        <translation>--stop %1 no es posterior al inicio (%2)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>it starts at %1, after its end (%2)</source>
        <translation>empieza en %1, después de su final (%2)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>from %1 for %2</source>
        <translation>desde %1 durante %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>from %1 to the end</source>
        <translation>desde %1 hasta el final</translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <location filename="../model/verify.cpp" line="+65"/>
        <source>the output cannot be opened as a video</source>
        <translation>la salida no se puede abrir como vídeo</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the output holds no picture</source>
        <translation>la salida no contiene imagen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output holds no sound</source>
        <translation>la salida no contiene audio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output holds %1 of the %2 sound tracks</source>
        <translation>la salida contiene %1 de las %2 pistas de audio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the output holds %1 of the %2 subtitle tracks</source>
        <translation>la salida contiene %1 de las %2 pistas de subtítulos</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the picture lasts %1 s of %2 s</source>
        <translation>la imagen dura %1 s de %2 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the sound lasts %1 s of %2 s</source>
        <translation>el audio dura %1 s de %2 s</translation>
    </message>
</context>
<context>
    <name>WorkFolder</name>
    <message>
        <location filename="../jobs/workfolder.cpp" line="+65"/>
        <location line="+35"/>
        <source>cannot make a work folder in %1: %2</source>
        <translation>no se puede crear una carpeta de trabajo en %1: %2</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>cannot lock a work folder in %1: %2</source>
        <translation>no se puede bloquear una carpeta de trabajo en %1: %2</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>cannot make a work folder in %1: every name was taken</source>
        <translation>no se puede crear una carpeta de trabajo en %1: todos los nombres están ocupados</translation>
    </message>
    <message numerus="yes">
        <location line="+30"/>
        <source>removed what %n interrupted run(s) left in %1 (%2)</source>
        <translation>
            <numerusform>se eliminó lo que dejó %n conversión interrumpida en %1 (%2)</numerusform>
            <numerusform>se eliminó lo que dejaron %n conversiones interrumpidas en %1 (%2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>convert::ConvertWindow</name>
    <message>
        <location filename="../window/window.cpp" line="+96"/>
        <source>Videos (%1);;All files (*)</source>
        <translation>Vídeos (%1);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>video</source>
        <translation>vídeo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no sound</source>
        <translation>sin audio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>audio #%1</source>
        <translation>audio #%1</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n subtitle track(s)</source>
        <translation>
            <numerusform>%n pista de subtítulos</numerusform>
            <numerusform>%n pistas de subtítulos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>; %n dropped</source>
        <translation>
            <numerusform>; %n descartada</numerusform>
            <numerusform>; %n descartadas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&apos;%1&apos; is no built-in preset</source>
        <translation>«%1» no es un perfil incorporado</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Save Preset</source>
        <translation>Guardar perfil</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep these settings as your preset named:</source>
        <translation>Guardar estos ajustes como su perfil con el nombre:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>reelkit Convert</source>
        <translation>reelkit Convert</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Add Videos…</source>
        <translation>Añadir vídeos…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Sample Clip</source>
        <translation>Añadir clip de muestra</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A short clip made with ffmpeg&apos;s test sources</source>
        <translation>Un clip corto creado con las fuentes de prueba de ffmpeg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>or drop videos or folders on the list</source>
        <translation>o suelte vídeos o carpetas en la lista</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save Preset…</source>
        <translation>Guardar perfil…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep these settings under a name, for this list and for reelkit-convert -p NAME</source>
        <translation>Guardar estos ajustes con un nombre, para esta lista y para reelkit-convert -p NOMBRE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preset:</source>
        <translation>Perfil:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Quality:</source>
        <translation>Calidad:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A constant quality; the size follows the picture</source>
        <translation>Una calidad constante; el tamaño depende de la imagen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Constant rate factor: lower is better and larger; 18 looks like the source, 23 is H.264&apos;s usual, 28 HEVC&apos;s</source>
        <translation>Factor de calidad constante (CRF): cuanto más bajo, mejor y más grande; 18 se ve como la fuente, 23 es lo habitual en H.264 y 28 en HEVC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Target size:</source>
        <translation>Tamaño objetivo:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each output, in MB of 1024 x 1024 bytes</source>
        <translation>Cada salida, en MB de 1024 x 1024 bytes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitrate:</source>
        <translation>Tasa de bits:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> kb/s</source>
        <translation> kb/s</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Make a disc</source>
        <translation>Crear un disco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After the conversions, a DVD: one title per video in a VIDEO_TS folder, and an ISO image to burn. Subtitles come from an .srt beside each video with its name.</source>
        <translation>Tras las conversiones, un DVD: un título por vídeo en una carpeta VIDEO_TS y una imagen ISO para grabar. Los subtítulos salen de un .srt junto a cada vídeo y con su mismo nombre.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dual layer (8.5 GB)</source>
        <translation>Doble capa (8,5 GB)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Chapters every </source>
        <translation>Capítulos cada </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No chapters</source>
        <translation>Sin capítulos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Even out the sound</source>
        <translation>Nivelar el audio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Runs normalize on each video&apos;s sound before it is encoded</source>
        <translation>Pasa el audio de cada vídeo por normalize antes de codificarlo</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>This video:</source>
        <translation>Este vídeo:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All videos:</source>
        <translation>Todos los vídeos:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ten seconds from the middle of the selected video, converted with these settings and opened in your player</source>
        <translation>Diez segundos del centro del vídeo seleccionado, convertidos con estos ajustes y abiertos en su reproductor</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>No videos found</source>
        <translation>No se encontraron vídeos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 holds no file with a video&apos;s extension.</source>
        <translation>%1 no contiene ningún archivo con extensión de vídeo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot read the card</source>
        <translation>No se puede leer la tarjeta</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No sample clip</source>
        <translation>Sin clip de muestra</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Your preset: %1</source>
        <translation>Su perfil: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refused: %1</source>
        <translation>Rechazado: %1</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>Preset not saved</source>
        <translation>Perfil no guardado</translation>
    </message>
    <message>
        <location line="+183"/>
        <source>refused</source>
        <translation>rechazada</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> (max)</source>
        <translation> (máx.)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 kb/s%2</source>
        <translation>%1 kb/s%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>about %1</source>
        <translation>unos %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>; on %1: about %2 of its %3 MB for videos, %4 kb/s each</source>
        <translation>; en %1: unos %2 de sus %3 MB para vídeos, %4 kb/s cada uno</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>Reading %n video(s)…</source>
        <translation>
            <numerusform>Leyendo %n vídeo…</numerusform>
            <numerusform>Leyendo %n vídeos…</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add videos to convert them.</source>
        <translation>Añada vídeos para convertirlos.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n video(s); the sizes follow the pictures at constant quality</source>
        <translation>
            <numerusform>%n vídeo; los tamaños dependen de las imágenes con calidad constante</numerusform>
            <numerusform>%n vídeos; los tamaños dependen de las imágenes con calidad constante</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n video(s), about %1 in all%2</source>
        <translation>
            <numerusform>%n vídeo, unos %1 en total%2</numerusform>
            <numerusform>%n vídeos, unos %1 en total%2</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Free space: ?</source>
        <translation>Espacio libre: ?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Free space: %1</source>
        <translation>Espacio libre: %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Add Videos</source>
        <translation>Añadir vídeos</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Destination</source>
        <translation>Destino</translation>
    </message>
    <message numerus="yes">
        <location line="+41"/>
        <source>and %n more</source>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep Both</source>
        <translation>Conservar ambos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Replace All</source>
        <translation>Reemplazar todos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; already exists</source>
        <translation>«%1» ya existe</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n outputs already exist</source>
        <translation>
            <numerusform>Ya existe %n archivo de salida</numerusform>
            <numerusform>Ya existen %n archivos de salida</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In %1:
%2

%3 writes each new conversion under a numbered name beside the existing file. %4 puts it in the existing file&apos;s place. %5 leaves these videos out.</source>
        <translation>En %1:
%2

«%3» escribe cada nueva conversión con un nombre numerado junto al archivo existente. «%4» la pone en el lugar del archivo existente. «%5» deja fuera estos vídeos.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>kept existing output</source>
        <translation>se conservó la salida existente</translation>
    </message>
    <message>
        <location line="+54"/>
        <location line="+33"/>
        <location line="+1"/>
        <source>No preview</source>
        <translation>Sin vista previa</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>No folder for the preview could be made in %1.</source>
        <translation>No se pudo crear ninguna carpeta para la vista previa en %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot preview</source>
        <translation>No se puede generar la vista previa</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Previewing &quot;%1&quot;</source>
        <translation>Generando la vista previa de «%1»</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Preview ready: %1</source>
        <translation>Vista previa lista: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Preview cancelled</source>
        <translation>Vista previa cancelada</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+19"/>
        <source>Cannot convert</source>
        <translation>No se puede convertir</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>No destination folder</source>
        <translation>No hay carpeta de destino</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not a folder. Choose where the videos go.</source>
        <translation>%1 no es una carpeta. Elija adónde van los vídeos.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The videos do not fit the disc</source>
        <translation>Los vídeos no caben en el disco</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Nothing left to convert</source>
        <translation>No queda nada que convertir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every video in the list has been converted. Add more videos, or change a setting to convert them again with it.</source>
        <translation>Todos los vídeos de la lista ya se han convertido. Añada más vídeos o cambie un ajuste para volver a convertirlos con él.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing to convert</source>
        <translation>Nada que convertir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add videos with &quot;Add Videos…&quot; or drop them on the list.</source>
        <translation>Añada vídeos con «Añadir vídeos…» o suéltelos en la lista.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No disc this time</source>
        <translation>Esta vez no hay disco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Some videos were skipped, and a disc is made of every video in the list. The others are converted.</source>
        <translation>Se omitieron algunos vídeos y el disco se hace con todos los vídeos de la lista. Los demás sí se convierten.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Subtitles left out</source>
        <translation>Subtítulos descartados</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>waiting</source>
        <translation>en espera</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>not read</source>
        <translation>no leído</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading was cancelled; remove the video and add it again.</source>
        <translation>La lectura se canceló; quite el vídeo y vuelva a añadirlo.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>converting</source>
        <translation>convirtiendo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Converting &quot;%1&quot; (%2 of %3)</source>
        <translation>Convirtiendo «%1» (%2 de %3)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>done and verified</source>
        <translation>terminado y verificado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>done</source>
        <translation>terminado</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1
(%2 appeared meanwhile and is kept)</source>
        <translation>%1
(%2 apareció mientras tanto y se conserva)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>failed: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cancelled; unfinished outputs removed</source>
        <translation>Cancelado; se eliminaron las salidas sin terminar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finished: %1 of %2 converted</source>
        <translation>Terminado: %1 de %2 convertidos</translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <source>%n video(s) converted</source>
        <translation>
            <numerusform>%n vídeo convertido</numerusform>
            <numerusform>%n vídeos convertidos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 converted, %2 failed</source>
        <translation>%1 convertidos, %2 fallidos</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>%1 of %n video(s) converted and verified into %2.</source>
        <translation>
            <numerusform>%1 de %n vídeo convertido y verificado en %2.</numerusform>
            <numerusform>%1 de %n vídeos convertidos y verificados en %2.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>

Before it started, it %1.</source>
        <translation>

Antes de empezar, %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+72"/>
        <location line="+28"/>
        <location line="+1"/>
        <source>Show Folder</source>
        <translation>Mostrar carpeta</translation>
    </message>
    <message>
        <location line="-98"/>
        <source>Conversion finished</source>
        <translation>Conversión terminada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Conversion finished with errors</source>
        <translation>Conversión terminada con errores</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+71"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>Finished: the disc is made</source>
        <translation>Terminado: disco creado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled; the unfinished disc was removed</source>
        <translation>Cancelado; se eliminó el disco sin terminar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The disc failed</source>
        <translation>Error al crear el disco</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The disc is ready</source>
        <translation>El disco está listo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The videos are converted, but the disc failed</source>
        <translation>Los vídeos están convertidos, pero el disco ha fallado</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n video(s) converted, verified and put on the disc, which was read back whole:
%1 (VIDEO_TS)</source>
        <translation>
            <numerusform>%n vídeo convertido, verificado e incluido en el disco, que se releyó entero:
%1 (VIDEO_TS)</numerusform>
            <numerusform>%n vídeos convertidos, verificados e incluidos en el disco, que se releyó entero:
%1 (VIDEO_TS)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>
%1 (the image to burn)</source>
        <translation>
%1 (la imagen para grabar)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The videos are converted in %1, but the disc could not be made: %2</source>
        <translation>Los vídeos se han convertido en %1, pero no se pudo crear el disco: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>

Not on the disc, though asked for:
</source>
        <translation>

No están en el disco, aunque se pidieron:
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Disc made</source>
        <translation>Disco creado</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No disc</source>
        <translation>Sin disco</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Elapsed %1, remaining %2</source>
        <translation>Transcurrido %1, queda %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+12"/>
        <source>Stop and Close</source>
        <translation>Detener y cerrar</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Stop making the disc?</source>
        <translation>¿Detener la creación del disco?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closing the window stops the disc and removes what was made of it. The converted videos are kept.</source>
        <translation>Al cerrar la ventana se detiene la creación del disco y se elimina lo que ya se haya hecho. Los vídeos convertidos se conservan.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep Going</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Stop the conversion?</source>
        <translation>¿Detener la conversión?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closing the window stops the conversion and removes the unfinished output.</source>
        <translation>Al cerrar la ventana se detiene la conversión y se elimina la salida sin terminar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep Converting</source>
        <translation>Seguir convirtiendo</translation>
    </message>
</context>
<context>
    <name>convert::PictureBox</name>
    <message>
        <location filename="../window/picturebox.cpp" line="+30"/>
        <source>%1 pixels high</source>
        <translation>%1 píxeles de alto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (top:bottom:left:right)</source>
        <translation>%1 (arriba:abajo:izquierda:derecha)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Largest size:</source>
        <translation>Tamaño máximo:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Original size</source>
        <translation>Tamaño original</translation>
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
        <translation>Solo más pequeño, nunca más grande, con sus proporciones; el tamaño de imagen de un DVD es fijo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crop:</source>
        <translation>Recorte:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+7"/>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Automatic cuts the black bars found at five places through each video</source>
        <translation>Automático recorta las franjas negras halladas en cinco puntos de cada vídeo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Denoise:</source>
        <translation>Filtro de ruido:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+6"/>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Light</source>
        <translation>Suave</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strong</source>
        <translation>Fuerte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deinterlace:</source>
        <translation>Desentrelazado:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatic follows the video&apos;s stream, or the interlace test when it does not say</source>
        <translation>Automático sigue lo que indica el flujo del vídeo, o la prueba de entrelazado cuando no lo indica</translation>
    </message>
</context>
<context>
    <name>convert::SourceList</name>
    <message>
        <location filename="../window/sourcelist.cpp" line="+79"/>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tracks</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In MB of 1024 x 1024 bytes, as every size in this program</source>
        <translation>En MB de 1024 x 1024 bytes, como todos los tamaños de este programa</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 is still being read</source>
        <translation>%1 todavía se está leyendo</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>reading…</source>
        <translation>leyendo…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>refused: %1</source>
        <translation>rechazado: %1</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>waiting</source>
        <translation>en espera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Converted before with other settings; Convert makes it again with these</source>
        <translation>Convertido antes con otros ajustes; «Convertir» lo vuelve a convertir con estos</translation>
    </message>
</context>
<context>
    <name>convert::TrackList</name>
    <message>
        <location filename="../window/tracklist.cpp" line="+23"/>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>stereo</source>
        <translation>estéreo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Tracks of the selected video</source>
        <translation>Pistas del vídeo seleccionado</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Select one video to choose its sound and subtitle tracks</source>
        <translation>Seleccione un vídeo para elegir sus pistas de audio y de subtítulos</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Picture subtitles cannot become MP4 text subtitles</source>
        <translation>Los subtítulos de imagen no pueden convertirse en subtítulos de texto MP4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DVD subtitles come from an .srt beside the video</source>
        <translation>Los subtítulos del DVD salen de un .srt junto al vídeo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This video has no sound or subtitle track</source>
        <translation>Este vídeo no tiene pistas de audio ni de subtítulos</translation>
    </message>
</context>
</TS>
