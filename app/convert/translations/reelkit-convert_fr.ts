<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Authoring</name>
    <message>
        <location filename="../jobs/authoring.cpp" line="+150"/>
        <source>a disc needs at least one video</source>
        <translation>un disque demande au moins une vidéo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a disc holds at most %1 titles</source>
        <translation>un disque contient au plus %1 titres</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>cannot make a folder in %1</source>
        <translation>impossible de créer un dossier dans %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the fonts configuration for the subtitles could not be made (%1); spumux uses the system&apos;s</source>
        <translation>la configuration des polices des sous-titres n&apos;a pas pu être créée (%1)&#xa0;; spumux utilise celle du système</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>no ISO image: neither genisoimage nor xorriso is installed</source>
        <translation>pas d&apos;image ISO&#xa0;: ni genisoimage ni xorriso n&apos;est installé</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Rendering the subtitles of &quot;%1&quot;</source>
        <translation>Rendu des sous-titres de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the subtitles %1 have no cue within &quot;%2&quot;; it is on the disc without them</source>
        <translation>les sous-titres %1 n&apos;ont aucune réplique dans «&#xa0;%2&#xa0;»&#xa0;; ce titre est sur le disque sans eux</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+328"/>
        <location line="+14"/>
        <source>cannot write in %1</source>
        <translation>impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <location line="-315"/>
        <source>Authoring the DVD</source>
        <translation>Création du DVD</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reading back &quot;%1&quot;</source>
        <translation>Relecture de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>dvdauthor made no video for &quot;%1&quot;</source>
        <translation>dvdauthor n&apos;a produit aucune vidéo pour «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Making the ISO image</source>
        <translation>Création de l&apos;image ISO</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reading back the ISO image</source>
        <translation>Relecture de l&apos;image ISO</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>%1 could not be started</source>
        <translation>%1 n&apos;a pas pu être lancé</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>%1 crashed (%2)</source>
        <translation>%1 s&apos;est arrêté brutalement (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 failed with code %2</source>
        <translation>%1 a échoué avec le code %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 could not write</source>
        <translation>%1 n&apos;a pas pu écrire</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the ISO image could not be made: %1</source>
        <translation>l&apos;image ISO n&apos;a pas pu être créée&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the ISO image does not read back (%1); it was removed</source>
        <translation>l&apos;image ISO ne se relit pas (%1)&#xa0;; elle a été supprimée</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the subtitles %1 could not be put on &quot;%2&quot;: %3</source>
        <translation>les sous-titres %1 n&apos;ont pas pu être ajoutés à «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>ffmpeg failed with code %1</source>
        <translation>ffmpeg a échoué avec le code %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it plays %1 s of %2 s</source>
        <translation>il dure %1 s sur %2 s</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the disc&apos;s title &quot;%1&quot; does not read back (%2)</source>
        <translation>le titre «&#xa0;%1&#xa0;» du disque ne se relit pas (%2)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 is missing from it</source>
        <translation>%1 y manque</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 holds %2 of %3 bytes</source>
        <translation>%1 contient %2 octets sur %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it holds %1 bytes for %2 of files</source>
        <translation>elle contient %1 octets pour %2 octets de fichiers</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Putting the disc in place</source>
        <translation>Mise en place du disque</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the disc could not be moved into %1: %2</source>
        <translation>le disque n&apos;a pas pu être déplacé dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the ISO image could not be moved beside the disc: %1</source>
        <translation>l&apos;image ISO n&apos;a pas pu être placée à côté du disque&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Budget</name>
    <message>
        <location filename="../model/budget.cpp" line="+67"/>
        <source>%1 has no quality mode (DVD players need a known bitrate): give a target size or a bitrate</source>
        <translation>%1 n&apos;a pas de mode qualité (les lecteurs DVD ont besoin d&apos;un débit connu)&#xa0;: indiquez une taille cible ou un débit</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>quality %1 is outside what %2 takes: %3 (best) to %4</source>
        <translation>la qualité %1 est hors des valeurs acceptées par %2&#xa0;: de %3 (la meilleure) à %4</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>the duration of the source is unknown, so no size can be planned</source>
        <translation>la durée de la source est inconnue, aucune taille ne peut donc être prévue</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 kb/s is outside what %2 takes: %3 to %4 kb/s</source>
        <translation>%1 kb/s est hors des valeurs acceptées par %2&#xa0;: de %3 à %4 kb/s</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the target size must be at least 1 MB</source>
        <translation>la taille cible doit être d&apos;au moins 1 Mo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it leaves %1 kb/s for the picture</source>
        <translation>il reste %1 kb/s pour l&apos;image</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the sound alone fills it</source>
        <translation>le son seul la remplit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MB is too small for %2 of video: %3, and %4 needs at least %5 kb/s (about %6 MB)</source>
        <translation>%1 Mo, c&apos;est trop peu pour %2 de vidéo&#xa0;: %3, et %4 demande au moins %5 kb/s (environ %6 Mo)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 MB asks for %2 kb/s; %3 stops at %4 kb/s, about %5</source>
        <translation>%1 Mo demandent %2 kb/s&#xa0;; %3 s&apos;arrête à %4 kb/s, soit environ %5</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <location filename="../probing/cards.cpp" line="+170"/>
        <source>the time-stamp tool did not name this clip</source>
        <translation>l&apos;outil d&apos;horodatage n&apos;a pas nommé ce clip</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the card has no playlist</source>
        <translation>la carte n&apos;a pas de liste de lecture</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>named by the file&apos;s modification time: %1</source>
        <translation>nommé d&apos;après la date de modification du fichier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Disc</name>
    <message numerus="yes">
        <location filename="../model/disc.cpp" line="+34"/>
        <source>the %n video(s)</source>
        <translation>
            <numerusform>la vidéo</numerusform>
            <numerusform>les %n vidéos</numerusform>
        </translation>
    </message>
    <message>
        <location line="+33"/>
        <source>a dual-layer DVD (8.5 GB)</source>
        <translation>un DVD double couche (8,5 Go)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a single-layer DVD (4.7 GB)</source>
        <translation>un DVD simple couche (4,7 Go)</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 MB is %2 MB more than %3 has for videos (%4 MB); a target size of %4 MB fits</source>
        <translation>%1 Mo, c&apos;est %2 Mo de plus que la place de %3 pour les vidéos (%4 Mo)&#xa0;; une taille cible de %4 Mo convient</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 (%2 in all): %3</source>
        <translation>%1 (%2 en tout)&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 (%2 in all) need about %3 at %4 kb/s: %5 more than %6 has for videos (%7 MB).</source>
        <translation>%1 (%2 en tout) demandent environ %3 à %4 kb/s&#xa0;: %5 de plus que la place de %6 pour les vidéos (%7 Mo).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source> A target size of %1 MB fits them (%2 kb/s for each picture).</source>
        <translation> Une taille cible de %1 Mo leur convient (%2 kb/s pour chaque image).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source> Even at %1&apos;s lowest %2 kb/s they do not fit; a dual-layer disc does, with a target size of %3 MB.</source>
        <translation> Même au plus bas débit de %1 (%2 kb/s), elles ne tiennent pas&#xa0;; un disque double couche convient, avec une taille cible de %3 Mo.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> Even at %1&apos;s lowest %2 kb/s they do not fit: leave some videos out.</source>
        <translation> Même au plus bas débit de %1 (%2 kb/s), elles ne tiennent pas&#xa0;: retirez quelques vidéos.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>a disc is made with a DVD preset (dvd-pal or dvd-ntsc), not %1</source>
        <translation>un disque se fait avec un préréglage DVD (dvd-pal ou dvd-ntsc), pas %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>a disc made here holds at most %1 titles, and %2 videos were given: leave %3 out, or make two discs</source>
        <translation>un disque fait ici contient au plus %1 titres, et %2 vidéos ont été données&#xa0;: retirez-en %3, ou faites deux disques</translation>
    </message>
</context>
<context>
    <name>Discovery</name>
    <message>
        <location filename="../probing/discovery.cpp" line="+62"/>
        <source>cannot read the card&apos;s clips in %1: %2</source>
        <translation>impossible de lire les clips de la carte dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <location filename="../window/display.cpp" line="+62"/>
        <source>the display %1 did not answer within %2 s</source>
        <translation>l&apos;affichage %1 n&apos;a pas répondu dans les %2 s</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>no display answers at %1</source>
        <translation>aucun affichage ne répond à %1</translation>
    </message>
</context>
<context>
    <name>Job</name>
    <message>
        <location filename="../jobs/job.cpp" line="+108"/>
        <location line="+262"/>
        <source>%1 is the source itself and is kept</source>
        <translation>%1 est la source elle-même et est conservé</translation>
    </message>
    <message>
        <location line="-130"/>
        <source>no message</source>
        <translation>aucun message</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 stopped unexpectedly (%2)</source>
        <translation>%1 s&apos;est arrêté de façon inattendue (%2)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 failed with code %2: %3</source>
        <translation>%1 a échoué avec le code %2&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 could not write: %2</source>
        <translation>%1 n&apos;a pas pu écrire&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>the output does not decode (%1); it was removed, the source is untouched</source>
        <translation>la sortie ne se décode pas (%1)&#xa0;; elle a été supprimée, la source est intacte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ffmpeg failed with code %1</source>
        <translation>ffmpeg a échoué avec le code %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the output cannot be opened as a video (%1); it was removed, the source is untouched</source>
        <translation>la sortie ne s&apos;ouvre pas comme une vidéo (%1)&#xa0;; elle a été supprimée, la source est intacte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ffprobe failed with code %1</source>
        <translation>ffprobe a échoué avec le code %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>ffmpeg wrote nothing for %1</source>
        <translation>ffmpeg n&apos;a rien écrit pour %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1; it was removed, the source is untouched</source>
        <translation>%1&#xa0;; elle a été supprimée, la source est intacte</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the sound could not be decoded whole (%1 s of %2 s)</source>
        <translation>le son n&apos;a pas pu être décodé en entier (%1 s sur %2 s)</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <location filename="../main.cpp" line="+34"/>
        <source>the window needs a display (DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>la fenêtre a besoin d&apos;un affichage (DISPLAY ou WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the window needs a display, and %1</source>
        <translation>la fenêtre a besoin d&apos;un affichage, et %1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>reelkit-convert: %1; without one, give the files to convert in the terminal
</source>
        <translation>reelkit-convert&#xa0;: %1&#xa0;; sans affichage, donnez les fichiers à convertir dans le terminal
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>reelkit-convert: %1; converting in the terminal instead
</source>
        <translation>reelkit-convert&#xa0;: %1&#xa0;; conversion dans le terminal à la place
</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <location filename="../model/options.cpp" line="+110"/>
        <source>--window and --terminal exclude each other</source>
        <translation>--window et --terminal s&apos;excluent</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>unknown preset &apos;%1&apos; (presets: %2, and yours: --list-presets)</source>
        <translation>préréglage «&#xa0;%1&#xa0;» inconnu (préréglages&#xa0;: %2, et les vôtres&#xa0;: --list-presets)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>--%1 takes %2, not &apos;%3&apos;</source>
        <translation>--%1 accepte %2, pas «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--audio-bitrate takes kb/s from 32 to 640, not &apos;%1&apos;</source>
        <translation>--audio-bitrate accepte de 32 à 640 kb/s, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>preset &apos;%1&apos; is no built-in preset (%2)</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un préréglage intégré (%2)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>preset file refused: %1</source>
        <translation>fichier de préréglage refusé&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>preset file %1 not imported: %2</source>
        <translation>fichier de préréglage %1 non importé&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the preset &apos;%1&apos; from %2, kept as %3</source>
        <translation>le préréglage «&#xa0;%1&#xa0;» de %2, conservé sous %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>your preset &apos;%1&apos; is refused: %2</source>
        <translation>votre préréglage «&#xa0;%1&#xa0;» est refusé&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>your preset &apos;%1&apos; (%2)</source>
        <translation>votre préréglage «&#xa0;%1&#xa0;» (%2)</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>give one of --quality, --size and --bitrate</source>
        <translation>indiquez une seule option parmi --quality, --size et --bitrate</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--quality takes a whole number from %1 (best) to %2, not &apos;%3&apos;</source>
        <translation>--quality accepte un nombre entier de %1 (la meilleure) à %2, pas «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--size takes a whole number of megabytes above 0, not &apos;%1&apos;</source>
        <translation>--size accepte un nombre entier de mégaoctets supérieur à 0, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--bitrate takes a whole number of kb/s above 0, not &apos;%1&apos;</source>
        <translation>--bitrate accepte un nombre entier de kb/s supérieur à 0, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>--chapters takes whole minutes from 0 (none) to %1, not &apos;%2&apos;</source>
        <translation>--chapters accepte un nombre entier de minutes de 0 (aucun chapitre) à %1, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--disc-name takes a name for the disc folder, not &apos;%1&apos;</source>
        <translation>--disc-name accepte un nom pour le dossier du disque, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--subtitles needs a file</source>
        <translation>--subtitles demande un fichier</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>--%1 goes with --disc</source>
        <translation>--%1 va avec --disc</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--disc needs a DVD preset (-p dvd-pal or -p dvd-ntsc), not %1</source>
        <translation>--disc demande un préréglage DVD (-p dvd-pal ou -p dvd-ntsc), pas %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--disc needs a DVD preset: -p dvd-pal or -p dvd-ntsc</source>
        <translation>--disc demande un préréglage DVD&#xa0;: -p dvd-pal ou -p dvd-ntsc</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>give one of --max-size and --height</source>
        <translation>indiquez une seule option parmi --max-size et --height</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--max-size and --height are for MP4 presets: a DVD&apos;s frame is fixed</source>
        <translation>--max-size et --height sont pour les préréglages MP4&#xa0;: le format d&apos;image d&apos;un DVD est fixe</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option «&#xa0;%1&#xa0;» inconnue</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>--output needs a folder</source>
        <translation>--output demande un dossier</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>default quality %1</source>
        <translation>qualité %1 par défaut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>default %1 kb/s</source>
        <translation>%1 kb/s par défaut</translation>
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
        <translation>Utilisation&#xa0;: %1 [-p PRESET] [-q CRF | -s MB | -b KBPS] [-o DIR]
          [-y] [-n] [--normalize] [--audio TRACKS] [--subtitle TRACKS]
          [--burn-subtitle TRACK] [--max-size WxH | --height H] [--crop CROP]
          [--denoise HOW] [--deinterlace WHEN] [--start T]
          [--stop T | --duration T] [--json] [--container KIND] [--speed SPEED]
          [--audio-codec CODEC] [--audio-bitrate KBPS] [--list-presets]
          [--save-preset NAME] [--preset-file FILE]
          [--disc [--dual-layer] [--chapters MIN] [--subtitles FILE]...]
          FILE|FOLDER...
Convertit des vidéos avec ffmpeg&#xa0;: à une qualité, à une taille cible ou à un
débit.

  -p, --preset P     le type de sortie (par défaut mp4)
  -q, --quality CRF  qualité constante, de %2 (la meilleure, le plus gros
                     fichier) à %3 (la pire)&#xa0;; préréglages MP4 seulement, et
                     leur valeur par défaut (mp4 23, mp4-hevc 28)
  -s, --size MB      fait chaque sortie d&apos;environ MB mégaoctets (deux passes en
                     MP4)&#xa0;; avec --disc, tous les titres ensemble
  -b, --bitrate KBPS encode l&apos;image à KBPS kilobits par seconde (par défaut
                     pour le DVD)
  -o, --output DIR   écrit les sorties dans DIR (par défaut&#xa0;: le dossier
                     courant)
  -y, --overwrite    remplace les sorties qui existent déjà (sinon elles sont
                     conservées&#xa0;; dans un terminal, la question vous est
                     posée)&#xa0;; une source n&apos;est jamais remplacée
  -n, --dry-run      affiche le plan et les lignes de commande de ffmpeg, ne
                     convertit rien
      --audio TRACKS les pistes son conservées&#xa0;: default (celle marquée par
                     défaut, sinon la première), all (toutes), none (aucune),
                     ou des numéros de piste tels que le plan les montre et des
                     langues, séparés par des virgules (--audio fre,eng ou
                     2,1)&#xa0;; la première est marquée par défaut. Un DVD en garde
                     au plus 8
      --subtitle TRACKS  les pistes de sous-titres conservées&#xa0;: all (par
                     défaut&#xa0;: celles que la sortie peut contenir), none, ou des
                     numéros et des langues comme pour --audio
      --burn-subtitle TRACK  incruste cette piste de sous-titres (un numéro ou
                     une langue), texte ou images, dans l&apos;image
      --max-size WxH fait chaque MP4 d&apos;au plus W x H (dans un sens ou dans
                     l&apos;autre), en gardant ses proportions&#xa0;; jamais plus grand
                     que la source
      --height H     fait chaque MP4 d&apos;au plus H pixels de haut, en gardant ses
                     proportions
      --crop CROP    auto (les bandes noires trouvées en plusieurs endroits),
                     none (par défaut) ou HAUT:BAS:GAUCHE:DROITE en pixels
      --denoise HOW  off (par défaut), light (léger) ou strong (fort)
      --deinterlace WHEN  auto (selon le flux ou le test d&apos;entrelacement de
                     ffmpeg&#xa0;; par défaut), on ou off
      --start T      convertit à partir de T (90, 1:30, 0:01:30.5, 1m30s...)
      --stop T       convertit jusqu&apos;à T de la source&#xa0;; --duration T&#xa0;: pendant
                     T
      --normalize    égalise le son de chaque vidéo avec normalize avant
                     l&apos;encodage
      --no-verify    ne vérifie pas les sorties (par défaut chacune est
                     ouverte, ses pistes et ses durées comparées à celles de la
                     source, et elle est décodée en entier avant d&apos;être
                     déclarée terminée&#xa0;; les titres et l&apos;image d&apos;un disque sont
                     relus)
      --disc         avec un préréglage DVD, va jusqu&apos;au DVD&#xa0;: un titre par
                     vidéo dans un dossier VIDEO_TS, et une image ISO
                     (genisoimage ou xorriso)
      --dual-layer   un disque de 8,5 Go au lieu de 4,7 Go
      --chapters MIN un chapitre toutes les MIN minutes (par défaut 5&#xa0;; 0&#xa0;:
                     aucun)
      --disc-name NAME  le nom du dossier du disque (par défaut DVD&#xa0;; numéroté
                     s&apos;il est pris)
      --subtitles FILE  sous-titres SubRip pour le disque, les premiers pour la
                     première vidéo, les suivants pour la suivante...&#xa0;; un .srt
                     à côté d&apos;une vidéo et portant son nom est pris sans le
                     demander
      --container KIND  mp4 ou mkv (Matroska, qui accepte tout son et tous
                     sous-titres)
      --speed SPEED  la vitesse de l&apos;encodeur, de ultrafast à veryslow (par
                     défaut medium&#xa0;; plus lent donne un fichier plus petit à
                     qualité égale)
      --audio-codec CODEC  aac, ac3, opus (MKV seulement) ou copy (chaque piste
                     son telle quelle quand le conteneur l&apos;accepte, sinon en
                     AAC)
      --audio-bitrate KBPS  le débit du son, de 32 à 640 (par défaut 192)
      --list-presets les préréglages, intégrés et les vôtres
      --save-preset NAME  garde les réglages de cette ligne comme votre
                     préréglage NAME (convertit aussi les FILE s&apos;il y en a)&#xa0;;
                     utilisez-le avec -p NAME
      --preset-file FILE  prend un préréglage dans un fichier (une liste de
                     propriétés XML, telle que --save-preset l&apos;écrit), le garde
                     parmi les vôtres et l&apos;utilise
      --json         écrit le plan, la progression, chaque résultat et un
                     bilan, un objet JSON par ligne sur la sortie standard, et
                     rien d&apos;autre sur celle-ci
  -w, --window       ouvre la fenêtre, avec les FILE dedans
  -t, --terminal     convertit dans le terminal même quand un affichage est
                     présent
  -d, --debug        écrit le journal de diagnostic de la boîte à outils sur la
                     sortie d&apos;erreur (sinon il va dans reelkit-convert.log dans
                     le dossier temporaire)
  -h, --help         affiche ce texte
  -V, --version      affiche la version

Préréglages&#xa0;:
%4
Les tailles sont partout en Mo de 1024 x 1024 octets (entrées, estimations,
résultats).
Un FOLDER est parcouru à la recherche de vidéos&#xa0;; une carte de caméra
(PRIVATE/AVCHD/BDMV ou BDMV) donne ses clips, nommés d&apos;après leur heure
d&apos;enregistrement. Seuls les fichiers ordinaires sont lus&#xa0;: ni tubes ni
périphériques.
Les langues sont des codes ISO 639, tels que les conteneurs les stockent ou
plus courts&#xa0;: eng, fre, fra, en, fr.
La piste son marquée par défaut (sinon la première) est conservée&#xa0;; le MP4
garde les sous-titres texte.
Sans FILE, un échantillon de 5 secondes créé avec les sources de test de ffmpeg
est converti.
Lancé sans arguments là où un affichage répond, il ouvre sa fenêtre.
Codes de sortie&#xa0;: 0 terminé, 1 une conversion, sa vérification ou une partie du
disque a échoué, 2 option ou taille incorrecte (un disque trop grand, ou avec
trop de titres), 3 outil manquant, 4 source illisible, 5 la sortie existe, 130
interrompu (Ctrl-C, le terminal ou le tube de sortie fermé).
</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <location filename="../model/picture.cpp" line="+76"/>
        <source>cropping %1:%2:%3:%4 leaves no picture of %5x%6</source>
        <translation>recadrer de %1:%2:%3:%4 ne laisse rien d&apos;une image de %5x%6</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cropped %1:%2:%3:%4</source>
        <translation>rognée de %1:%2:%3:%4</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>denoised (strong)</source>
        <translation>débruitée (fort)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>denoised (light)</source>
        <translation>débruitée (léger)</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>deinterlaced to progressive</source>
        <translation>désentrelacée en progressif</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>variable frame rate made a steady %1 fps</source>
        <translation>fréquence d&apos;images variable rendue constante à %1 i/s</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>bars above and below</source>
        <translation>bandes en haut et en bas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bars left and right</source>
        <translation>bandes à gauche et à droite</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>--max-size takes WIDTHxHEIGHT in pixels, such as 1280x720, not &apos;%1&apos;</source>
        <translation>--max-size accepte LARGEURxHAUTEUR en pixels, comme 1280x720, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--height takes a height in pixels, such as 720, not &apos;%1&apos;</source>
        <translation>--height accepte une hauteur en pixels, comme 720, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>--crop takes auto, none or TOP:BOTTOM:LEFT:RIGHT in pixels, not &apos;%1&apos;</source>
        <translation>--crop accepte auto, none ou HAUT:BAS:GAUCHE:DROITE en pixels, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>--%1 takes %2 or %3, not &apos;%4&apos;</source>
        <translation>--%1 accepte %2 ou %3, pas «&#xa0;%4&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Placement</name>
    <message>
        <location filename="../model/placement.cpp" line="+72"/>
        <source>%1 is gone: %2</source>
        <translation>%1 a disparu&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is a folder and is kept</source>
        <translation>%1 est un dossier et est conservé</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+19"/>
        <source>cannot move the output to %1: %2</source>
        <translation>impossible de déplacer la sortie vers %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>no free name beside %1</source>
        <translation>aucun nom libre à côté de %1</translation>
    </message>
</context>
<context>
    <name>Plan</name>
    <message>
        <location filename="../model/plan.cpp" line="+116"/>
        <source>its DVD subpictures are left out: they would not sit on a cropped picture</source>
        <translation>ses sous-images DVD sont écartées&#xa0;: elles ne tomberaient pas juste sur une image recadrée</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>the destination %1 is not a folder</source>
        <translation>la destination %1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>the outputs need about %1 and %2 has %3 free</source>
        <translation>les sorties demandent environ %1 et %2 n&apos;a que %3 de libre</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <location filename="../model/presets.cpp" line="+30"/>
        <source>MP4, H.264 and AAC, the source&apos;s picture size</source>
        <translation>MP4, H.264 et AAC, à la taille d&apos;image de la source</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>MP4, HEVC (H.265) and AAC, the source&apos;s picture size</source>
        <translation>MP4, HEVC (H.265) et AAC, à la taille d&apos;image de la source</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>DVD MPEG-2, PAL 720x576 at 25 fps</source>
        <translation>DVD MPEG-2, PAL 720x576 à 25 i/s</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>DVD MPEG-2, NTSC 720x480 at 29.97 fps</source>
        <translation>DVD MPEG-2, NTSC 720x480 à 29,97 i/s</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>MKV, H.264, the sound and every subtitle track as the source has them</source>
        <translation>MKV, H.264, le son et toutes les pistes de sous-titres comme dans la source</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Phones and the web: MP4 at most 1280x720, H.264 High 4.0, AAC 160 kb/s</source>
        <translation>Téléphones et web&#xa0;: MP4 d&apos;au plus 1280x720, H.264 High 4.0, AAC 160 kb/s</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>TVs: MP4 at most 1920x1080, H.264 High 4.1, AAC 192 kb/s</source>
        <translation>Téléviseurs&#xa0;: MP4 d&apos;au plus 1920x1080, H.264 High 4.1, AAC 192 kb/s</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Archive: MKV, HEVC at quality 20 (slow), the sound and subtitles as they are</source>
        <translation>Archive&#xa0;: MKV, HEVC en qualité 20 (lent), le son et les sous-titres tels quels</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>a DVD&apos;s container, encoder and sound are fixed: --container, --speed and --audio-codec are for the other presets</source>
        <translation>le conteneur, l&apos;encodeur et le son d&apos;un DVD sont fixes&#xa0;: --container, --speed et --audio-codec sont pour les autres préréglages</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Opus sound goes in MKV: give --container mkv or -p mkv</source>
        <translation>le son Opus va dans du MKV&#xa0;: indiquez --container mkv ou -p mkv</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>quality %1</source>
        <translation>qualité %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>speed %1</source>
        <translation>vitesse %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>sound copied</source>
        <translation>son copié</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <location filename="../terminal/printing.cpp" line="+67"/>
        <source>  overall %1%  %2</source>
        <translation>  total %1&#xa0;%  %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  overall %1%</source>
        <translation>  total %1&#xa0;%</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>elapsed %1, left %2</source>
        <translation>écoulé %1, reste %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>progress: %1 %2% (overall %3%, %4)
</source>
        <translation>progression&#xa0;: %1 %2&#xa0;% (total %3&#xa0;%, %4)
</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>  note: %1 appeared meanwhile and is kept; this video is %2
</source>
        <translation>  remarque&#xa0;: %1 est apparu entre-temps et est conservé&#xa0;; cette vidéo est %2
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  done and verified: %1 (%2) in %3
</source>
        <translation>  terminé et vérifié&#xa0;: %1 (%2) en %3
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  done: %1 (%2) in %3
</source>
        <translation>  terminé&#xa0;: %1 (%2) en %3
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 failed: %2</source>
        <translation>%1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  cancelled; the partial output was removed
</source>
        <translation>  annulé&#xa0;; la sortie partielle a été supprimée
</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>[disc] %1
</source>
        <translation>[disque] %1
</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>elapsed %1</source>
        <translation>écoulé %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>progress: disc %1% (overall %2%, %3)
</source>
        <translation>progression&#xa0;: disque %1&#xa0;% (total %2&#xa0;%, %3)
</translation>
    </message>
</context>
<context>
    <name>Probe</name>
    <message>
        <location filename="../probing/probe.cpp" line="+59"/>
        <source>the interlace test</source>
        <translation>le test d&apos;entrelacement</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is a folder, not a video</source>
        <translation>%1 est un dossier, pas une vidéo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a socket</source>
        <translation>une socket</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a special file</source>
        <translation>un fichier spécial</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is %2, not a regular file; only files can be converted</source>
        <translation>%1 est %2, pas un fichier ordinaire&#xa0;; seuls les fichiers peuvent être convertis</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>%1 cannot be read: the file is empty</source>
        <translation>%1 ne peut pas être lu&#xa0;: le fichier est vide</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+35"/>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>%1 is a still picture, not a video</source>
        <translation>%1 est une image fixe, pas une vidéo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RunPlan</name>
    <message>
        <location filename="../model/runplan.cpp" line="+54"/>
        <source>the videos, the disc folder and its image need about %1 and %2 has %3 free</source>
        <translation>les vidéos, le dossier du disque et son image demandent environ %1 et %2 n&apos;a que %3 de libre</translation>
    </message>
</context>
<context>
    <name>Sample</name>
    <message>
        <location filename="../probing/sample.cpp" line="+19"/>
        <source>no private temporary folder to make the sample in</source>
        <translation>aucun dossier temporaire privé où créer l&apos;échantillon</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>ffmpeg could not make the sample %1: %2</source>
        <translation>ffmpeg n&apos;a pas pu créer l&apos;échantillon %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>ffmpeg could not make the sample %1%2</source>
        <translation>ffmpeg n&apos;a pas pu créer l&apos;échantillon %1%2</translation>
    </message>
</context>
<context>
    <name>SavedPresets</name>
    <message>
        <location filename="../model/savedpresets.cpp" line="+76"/>
        <source>&apos;%1&apos; cannot name a preset: use up to 64 letters, digits, spaces, &apos;-&apos; and &apos;_&apos;</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas nommer un préréglage&#xa0;: utilisez jusqu&apos;à 64 lettres, chiffres, espaces, «&#xa0;-&#xa0;» et «&#xa0;_&#xa0;»</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&apos;%1&apos; is a built-in preset; choose another name</source>
        <translation>«&#xa0;%1&#xa0;» est un préréglage intégré&#xa0;; choisissez un autre nom</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1: larger than a preset can be (%2 KB)</source>
        <translation>%1&#xa0;: plus grand qu&apos;un préréglage ne peut l&apos;être (%2 Ko)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1, line 1: not an XML property list</source>
        <translation>%1, ligne 1&#xa0;: ce n&apos;est pas une liste de propriétés XML</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1, line 1: the root is not a dictionary</source>
        <translation>%1, ligne 1&#xa0;: la racine n&apos;est pas un dictionnaire</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>unknown key &apos;%1&apos; (a preset keeps %2)</source>
        <translation>clé «&#xa0;%1&#xa0;» inconnue (un préréglage garde %2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>made by a later version (format %1)</source>
        <translation>créé par une version plus récente (format %1)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 takes a word or a number</source>
        <translation>%1 accepte un mot ou un nombre</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no &apos;preset&apos; key names the built-in preset it starts from</source>
        <translation>aucune clé «&#xa0;preset&#xa0;» ne nomme le préréglage intégré dont il part</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>cannot make the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>Source</name>
    <message>
        <location filename="../model/source.cpp" line="+187"/>
        <source>%1 cannot be read: ffprobe said nothing that could be understood</source>
        <translation>%1 ne peut pas être lu&#xa0;: ffprobe n&apos;a rien dit de compréhensible</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 holds no video that ffmpeg can read</source>
        <translation>%1 ne contient aucune vidéo que ffmpeg sache lire</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1 is a still picture, not a video</source>
        <translation>%1 est une image fixe, pas une vidéo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 has no duration that ffmpeg can read</source>
        <translation>%1 n&apos;a pas de durée que ffmpeg sache lire</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>progressive</source>
        <translation>progressif</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>interlaced, top field first</source>
        <translation>entrelacé, trame supérieure d&apos;abord</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>interlaced, bottom field first</source>
        <translation>entrelacé, trame inférieure d&apos;abord</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>scan unknown</source>
        <translation>balayage inconnu</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
</context>
<context>
    <name>Subtitles</name>
    <message>
        <location filename="../model/subtitles.cpp" line="+52"/>
        <source>the subtitles %1 cannot be read (no such file)</source>
        <translation>les sous-titres %1 ne peuvent pas être lus (fichier introuvable)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the subtitles %1 cannot be read (not a regular file)</source>
        <translation>les sous-titres %1 ne peuvent pas être lus (ce n&apos;est pas un fichier ordinaire)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the subtitles %1 are too large (%2 MB) to be subtitles</source>
        <translation>les sous-titres %1 sont trop gros (%2 Mo) pour être des sous-titres</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the subtitles %1 cannot be read: %2</source>
        <translation>les sous-titres %1 ne peuvent pas être lus&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>their encoding is not known</source>
        <translation>leur encodage est inconnu</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the subtitles %1 hold no cue that can be read</source>
        <translation>les sous-titres %1 ne contiennent aucune réplique lisible</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1; the disc is made without them</source>
        <translation>%1&#xa0;; le disque est fait sans eux</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>the subtitles %1 have no video of their own (%n video(s)) and are left out</source>
        <translation>
            <numerusform>les sous-titres %1 n&apos;ont pas de vidéo à eux (%n vidéo) et sont écartés</numerusform>
            <numerusform>les sous-titres %1 n&apos;ont pas de vidéo à eux (%n vidéos) et sont écartés</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message>
        <location filename="../terminal/terminal.cpp" line="+99"/>
        <source>%1 exists. Replace it?</source>
        <translation>%1 existe. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source> (give --overwrite to replace it)</source>
        <translation> (indiquez --overwrite pour le remplacer)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 already exists and is kept%2</source>
        <translation>%1 existe déjà et est conservé%2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The output folder %1 does not exist yet; it would be made.
</source>
        <translation>Le dossier de sortie %1 n&apos;existe pas encore&#xa0;; il serait créé.
</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot create the output folder %1</source>
        <translation>impossible de créer le dossier de sortie %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>quality %1 (the size is not known in advance)</source>
        <translation>qualité %1 (la taille n&apos;est pas connue d&apos;avance)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 kb/s picture, about %2</source>
        <translation>image à %1 kb/s, environ %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: %2 -&gt; %3
  picture: %4; %5
  tracks: %6
</source>
        <translation>%1&#xa0;: %2 -&gt; %3
  image&#xa0;: %4&#xa0;; %5
  pistes&#xa0;: %6
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>  part: %1
</source>
        <translation>  partie&#xa0;: %1
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>  title: %1
</source>
        <translation>  titre&#xa0;: %1
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>  %1 exists and would be %2
</source>
        <translation>  %1 existe et serait %2
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>replaced</source>
        <translation>remplacé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kept (give --overwrite to replace it)</source>
        <translation>conservé (indiquez --overwrite pour le remplacer)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>  sound: %1
  normalize: %2
</source>
        <translation>  son&#xa0;: %1
  normalize&#xa0;: %2
</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>  ffmpeg pass %1 of %2: %3
</source>
        <translation>  ffmpeg passe %1 sur %2&#xa0;: %3
</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>disc: %1 of %2 in %3%4; %5
</source>
        <translation>disque&#xa0;: %1 de %2 dans %3%4&#xa0;; %5
</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n title(s)</source>
        <translation>
            <numerusform>%n titre</numerusform>
            <numerusform>%n titres</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source> (no ISO image: install xorriso or genisoimage)</source>
        <translation> (pas d&apos;image ISO&#xa0;: installez xorriso ou genisoimage)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> and %1</source>
        <translation> et %1</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>a chapter every %n minute(s)</source>
        <translation>
            <numerusform>un chapitre toutes les %n minute</numerusform>
            <numerusform>un chapitre toutes les %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no chapters</source>
        <translation>pas de chapitres</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>  subtitles of %1: %2 (%n cue(s)%3%4)
</source>
        <translation>
            <numerusform>  sous-titres de %1&#xa0;: %2 (%n réplique%3%4)
</numerusform>
            <numerusform>  sous-titres de %1&#xa0;: %2 (%n répliques%3%4)
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>, %n left out</source>
        <translation>
            <numerusform>, %n écartée</numerusform>
            <numerusform>, %n écartées</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>disc: %1 (VIDEO_TS)%2
</source>
        <translation>disque&#xa0;: %1 (VIDEO_TS)%2
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the disc is not all that was asked for: %1</source>
        <translation>le disque n&apos;a pas tout ce qui était demandé&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>  cancelled; the unfinished disc was removed
</source>
        <translation>  annulé&#xa0;; le disque inachevé a été supprimé
</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+76"/>
        <source>interrupted</source>
        <translation>interrompu</translation>
    </message>
    <message>
        <location line="-73"/>
        <source>no disc: %1</source>
        <translation>pas de disque&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>
Yours, in %1:
</source>
        <translation>
Les vôtres, dans %1&#xa0;:
</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>preset: %1
</source>
        <translation>préréglage&#xa0;: %1
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the preset %1 was not saved: %2</source>
        <translation>le préréglage %1 n&apos;a pas été enregistré&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>saved your preset &apos;%1&apos; in %2 (use it with -p &apos;%1&apos;)
</source>
        <translation>votre préréglage «&#xa0;%1&#xa0;» est enregistré dans %2 (utilisez-le avec -p &apos;%1&apos;)
</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Dry run: nothing was converted. A real run writes each output in a private work folder in the destination, checks it, and moves it into place at the end.
</source>
        <translation>Simulation&#xa0;: rien n&apos;a été converti. Une vraie conversion écrit chaque sortie dans un dossier de travail privé de la destination, la vérifie, puis la met en place à la fin.
</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+120"/>
        <source>note: %1
</source>
        <translation>remarque&#xa0;: %1
</translation>
    </message>
    <message>
        <location line="-108"/>
        <source>No file given: converting a %1-second sample made with ffmpeg&apos;s test sources.
</source>
        <translation>Aucun fichier donné&#xa0;: conversion d&apos;un échantillon de %1 secondes créé avec les sources de test de ffmpeg.
</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>no videos found in %1</source>
        <translation>aucune vidéo trouvée dans %1</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>Give %1.
</source>
        <translation>Indiquez %1.
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <location line="+77"/>
        <source>%1 of %2 converted%3 in %4, into %5
</source>
        <translation>%1 sur %2 converties%3 en %4, dans %5
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> and verified</source>
        <translation> et vérifiées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> (not verified)</source>
        <translation> (non vérifiées)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no disc: not every video was converted</source>
        <translation>pas de disque&#xa0;: toutes les vidéos n&apos;ont pas été converties</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Try &apos;%1 --help&apos;.
</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;».
</translation>
    </message>
    <message>
        <location filename="../model/language.cpp" line="+86"/>
        <source>[y/N]</source>
        <comment>the answers to a question: the letter for yes, N for the default no</comment>
        <translation>[o/N]</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>y</source>
        <comment>the letter that answers yes, as in [y/N]</comment>
        <translation>o</translation>
    </message>
</context>
<context>
    <name>ToolFonts</name>
    <message>
        <location filename="../probing/toolfonts.cpp" line="+43"/>
        <location line="+147"/>
        <source>there is no private temporary folder</source>
        <translation>il n&apos;y a pas de dossier temporaire privé</translation>
    </message>
    <message>
        <location line="-134"/>
        <source>cannot replace the link %1</source>
        <translation>impossible de remplacer le lien %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot make the link %1</source>
        <translation>impossible de créer le lien %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Japanese</source>
        <translation>japonais</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Korean</source>
        <translation>coréen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thai</source>
        <translation>thaï</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hindi</source>
        <translation>hindi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chinese</source>
        <translation>chinois</translation>
    </message>
    <message>
        <location line="+116"/>
        <source>%1 is no regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>the %1 subtitles are drawn in DejaVu Sans, which shows their letters as boxes: no %1 font is installed that spumux can draw with</source>
        <translation>les sous-titres en %1 sont dessinés en DejaVu Sans, qui affiche leurs lettres sous forme de carrés&#xa0;: aucune police installée pour le %1 n&apos;est utilisable par spumux</translation>
    </message>
</context>
<context>
    <name>ToolOutput</name>
    <message>
        <location filename="../jobs/tooloutput.cpp" line="+91"/>
        <source>; %1 has %2 free</source>
        <translation>&#xa0;; %1 n&apos;a que %2 de libre</translation>
    </message>
</context>
<context>
    <name>ToolProcess</name>
    <message>
        <location filename="../jobs/toolprocess.cpp" line="+61"/>
        <source>%1 could not be started: %2</source>
        <translation>%1 n&apos;a pas pu être lancé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ToolRun</name>
    <message>
        <location filename="../probing/toolrun.cpp" line="+84"/>
        <source>%1 gave no answer within %2 s</source>
        <translation>%1 n&apos;a pas répondu dans les %2 s</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 was cancelled</source>
        <translation>%1 a été annulé</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 could not be started</source>
        <translation>%1 n&apos;a pas pu être lancé</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message numerus="yes">
        <location filename="../model/tools.cpp" line="+36"/>
        <source>missing tool(s): %1 (looked for in %2; install ffmpeg and build again)</source>
        <translation>
            <numerusform>outil manquant&#xa0;: %1 (cherché dans %2&#xa0;; installez ffmpeg et reconstruisez)</numerusform>
            <numerusform>outils manquants&#xa0;: %1 (cherchés dans %2&#xa0;; installez ffmpeg et reconstruisez)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tracks</name>
    <message>
        <location filename="../model/tracks.cpp" line="+23"/>
        <source>default</source>
        <comment>the track marked default</comment>
        <translation>par défaut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>video #%1</source>
        <translation>vidéo n°&#xa0;%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>audio #%1</source>
        <translation>piste son n°&#xa0;%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>subtitles #%1</source>
        <translation>sous-titres n°&#xa0;%1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1: %2</source>
        <comment>a track and why it is left out</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>it has none</source>
        <translation>elle n&apos;en a aucune</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its sound tracks are %1</source>
        <translation>ses pistes son sont %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its subtitle tracks are %1</source>
        <translation>ses pistes de sous-titres sont %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no sound track #%1: %2</source>
        <translation>pas de piste son n°&#xa0;%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no subtitle track #%1: %2</source>
        <translation>pas de piste de sous-titres n°&#xa0;%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>one sound track is kept</source>
        <translation>une seule piste son est conservée</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no sound asked for</source>
        <translation>aucun son demandé</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+172"/>
        <source>not asked for</source>
        <translation>non demandée</translation>
    </message>
    <message>
        <location line="-167"/>
        <source>no sound in %1: the default track is kept</source>
        <translation>pas de son en %1&#xa0;: la piste par défaut est conservée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no sound in %1</source>
        <translation>pas de son en %1</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>%1 cannot be drawn into the picture</source>
        <translation>%1 ne peut pas être incrustée dans l&apos;image</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 drawn into the picture</source>
        <translation>%1 incrustée dans l&apos;image</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>%1 as DVD subpictures</source>
        <translation>%1 en sous-images DVD</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 as MP4 text subtitles</source>
        <translation>%1 en sous-titres texte MP4</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>a cover picture</source>
        <translation>une image de couverture</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>one picture is converted</source>
        <translation>une seule image est convertie</translation>
    </message>
    <message>
        <location line="+96"/>
        <source>kept %1</source>
        <translation>conservées&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>kept %1 (no sound)</source>
        <translation>conservées&#xa0;: %1 (sans son)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1; dropped %2</source>
        <comment>what is kept; what is left out</comment>
        <translation>%1&#xa0;; écartées&#xa0;: %2</translation>
    </message>
    <message>
        <location line="-214"/>
        <source>no subtitles in %1</source>
        <translation>pas de sous-titres en %1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>no subtitles in %1 to draw into the picture</source>
        <translation>pas de sous-titres en %1 à incruster dans l&apos;image</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>DVD subpictures drawn for another frame than %1x%2 (--burn-subtitle draws them into the picture)</source>
        <translation>sous-images DVD dessinées pour un autre format que %1x%2 (--burn-subtitle les incruste dans l&apos;image)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>only DVD subpictures go onto a DVD as they are (--burn-subtitle draws these into the picture)</source>
        <translation>seules les sous-images DVD vont telles quelles sur un DVD (--burn-subtitle incruste celles-ci dans l&apos;image)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DVD subtitles are made when the disc is authored</source>
        <translation>les sous-titres du DVD sont créés à la création du disque</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>picture subtitles cannot become MP4 text subtitles</source>
        <translation>des sous-titres en images ne peuvent pas devenir des sous-titres texte MP4</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>a DVD holds %1 sound tracks</source>
        <translation>un DVD contient %1 pistes son</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>a DVD holds %1 subpicture streams</source>
        <translation>un DVD contient %1 flux de sous-images</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no subtitles asked for</source>
        <translation>aucun sous-titre demandé</translation>
    </message>
    <message numerus="yes">
        <location line="+13"/>
        <source>%n data track(s)</source>
        <translation>
            <numerusform>%n piste de données</numerusform>
            <numerusform>%n pistes de données</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n attachment(s) (fonts, pictures)</source>
        <translation>
            <numerusform>%n pièce jointe (polices, images)</numerusform>
            <numerusform>%n pièces jointes (polices, images)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+20"/>
        <source>--burn-subtitle takes one track number as the plan shows it (3 for #3) or one language (eng, fr...), not &apos;%1&apos;</source>
        <translation>--burn-subtitle accepte un numéro de piste tel que le plan le montre (3 pour #3) ou une langue (eng, fr...), pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 takes %2, track numbers as the plan shows them (2 for #2) or languages (eng, fr...), separated by commas; &apos;%3&apos; is neither</source>
        <translation>%1 accepte %2, des numéros de piste tels que le plan les montre (2 pour #2) ou des langues (eng, fr...), séparés par des virgules&#xa0;; «&#xa0;%3&#xa0;» n&apos;est ni l&apos;un ni l&apos;autre</translation>
    </message>
</context>
<context>
    <name>Trim</name>
    <message>
        <location filename="../model/trim.cpp" line="+24"/>
        <source>--%1 takes a time such as 90, 1:30, 0:01:30.5 or 1m30s, not &apos;%2&apos;</source>
        <translation>--%1 accepte une durée comme 90, 1:30, 0:01:30.5 ou 1m30s, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>give one of --stop and --duration</source>
        <translation>indiquez une seule option parmi --stop et --duration</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>--duration must be longer than nothing</source>
        <translation>--duration doit être plus longue que rien</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>--stop %1 is not after the start (%2)</source>
        <translation>--stop %1 n&apos;est pas après le début (%2)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>it starts at %1, after its end (%2)</source>
        <translation>elle commence à %1, après sa fin (%2)</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>from %1 for %2</source>
        <translation>de %1 pendant %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>from %1 to the end</source>
        <translation>de %1 jusqu&apos;à la fin</translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <location filename="../model/verify.cpp" line="+65"/>
        <source>the output cannot be opened as a video</source>
        <translation>la sortie ne s&apos;ouvre pas comme une vidéo</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the output holds no picture</source>
        <translation>la sortie ne contient pas d&apos;image</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output holds no sound</source>
        <translation>la sortie ne contient pas de son</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the output holds %1 of the %2 sound tracks</source>
        <translation>la sortie contient %1 des %2 pistes son</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the output holds %1 of the %2 subtitle tracks</source>
        <translation>la sortie contient %1 des %2 pistes de sous-titres</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the picture lasts %1 s of %2 s</source>
        <translation>l&apos;image dure %1 s sur %2 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the sound lasts %1 s of %2 s</source>
        <translation>le son dure %1 s sur %2 s</translation>
    </message>
</context>
<context>
    <name>WorkFolder</name>
    <message>
        <location filename="../jobs/workfolder.cpp" line="+65"/>
        <location line="+35"/>
        <source>cannot make a work folder in %1: %2</source>
        <translation>impossible de créer un dossier de travail dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>cannot lock a work folder in %1: %2</source>
        <translation>impossible de verrouiller un dossier de travail dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>cannot make a work folder in %1: every name was taken</source>
        <translation>impossible de créer un dossier de travail dans %1&#xa0;: tous les noms sont pris</translation>
    </message>
    <message numerus="yes">
        <location line="+30"/>
        <source>removed what %n interrupted run(s) left in %1 (%2)</source>
        <translation>
            <numerusform>suppression de ce qu&apos;une conversion interrompue avait laissé dans %1 (%2)</numerusform>
            <numerusform>suppression de ce que %n conversions interrompues avaient laissé dans %1 (%2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>convert::ConvertWindow</name>
    <message>
        <location filename="../window/window.cpp" line="+96"/>
        <source>Videos (%1);;All files (*)</source>
        <translation>Vidéos (%1);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>video</source>
        <translation>vidéo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>no sound</source>
        <translation>sans son</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>audio #%1</source>
        <translation>audio n°&#xa0;%1</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>%n subtitle track(s)</source>
        <translation>
            <numerusform>%n piste de sous-titres</numerusform>
            <numerusform>%n pistes de sous-titres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>; %n dropped</source>
        <translation>
            <numerusform>&#xa0;; %n écartée</numerusform>
            <numerusform>&#xa0;; %n écartées</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&apos;%1&apos; is no built-in preset</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un préréglage intégré</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Save Preset</source>
        <translation>Enregistrer le préréglage</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Keep these settings as your preset named:</source>
        <translation>Garder ces réglages comme votre préréglage nommé&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>reelkit Convert</source>
        <translation>reelkit Convert</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Add Videos…</source>
        <translation>Ajouter des vidéos…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Sample Clip</source>
        <translation>Ajouter un échantillon</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A short clip made with ffmpeg&apos;s test sources</source>
        <translation>Un court clip créé avec les sources de test de ffmpeg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>or drop videos or folders on the list</source>
        <translation>ou déposez des vidéos ou des dossiers sur la liste</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Save Preset…</source>
        <translation>Enregistrer le préréglage…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep these settings under a name, for this list and for reelkit-convert -p NAME</source>
        <translation>Garder ces réglages sous un nom, pour cette liste et pour reelkit-convert -p NOM</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preset:</source>
        <translation>Préréglage&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Quality:</source>
        <translation>Qualité&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A constant quality; the size follows the picture</source>
        <translation>Une qualité constante&#xa0;; la taille suit l&apos;image</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Constant rate factor: lower is better and larger; 18 looks like the source, 23 is H.264&apos;s usual, 28 HEVC&apos;s</source>
        <translation>Facteur de qualité constante (CRF)&#xa0;: plus bas, c&apos;est meilleur et plus gros&#xa0;; 18 ressemble à la source, 23 est l&apos;usage en H.264, 28 en HEVC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Target size:</source>
        <translation>Taille cible&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> MB</source>
        <translation> Mo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Each output, in MB of 1024 x 1024 bytes</source>
        <translation>Chaque sortie, en Mo de 1024 x 1024 octets</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitrate:</source>
        <translation>Débit&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> kb/s</source>
        <translation> kb/s</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Destination:</source>
        <translation>Destination&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Make a disc</source>
        <translation>Créer un disque</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After the conversions, a DVD: one title per video in a VIDEO_TS folder, and an ISO image to burn. Subtitles come from an .srt beside each video with its name.</source>
        <translation>Après les conversions, un DVD&#xa0;: un titre par vidéo dans un dossier VIDEO_TS, et une image ISO à graver. Les sous-titres viennent d&apos;un .srt placé à côté de chaque vidéo et portant son nom.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Dual layer (8.5 GB)</source>
        <translation>Double couche (8,5 Go)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Chapters every </source>
        <translation>Chapitres toutes les </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No chapters</source>
        <translation>Pas de chapitres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Even out the sound</source>
        <translation>Égaliser le son</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Runs normalize on each video&apos;s sound before it is encoded</source>
        <translation>Passe le son de chaque vidéo dans normalize avant l&apos;encodage</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>This video:</source>
        <translation>Cette vidéo&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All videos:</source>
        <translation>Toutes les vidéos&#xa0;:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ten seconds from the middle of the selected video, converted with these settings and opened in your player</source>
        <translation>Dix secondes du milieu de la vidéo sélectionnée, converties avec ces réglages et ouvertes dans votre lecteur</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>No videos found</source>
        <translation>Aucune vidéo trouvée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 holds no file with a video&apos;s extension.</source>
        <translation>%1 ne contient aucun fichier avec une extension de vidéo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot read the card</source>
        <translation>Impossible de lire la carte</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No sample clip</source>
        <translation>Pas d&apos;échantillon</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Your preset: %1</source>
        <translation>Votre préréglage&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refused: %1</source>
        <translation>Refusé&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>Preset not saved</source>
        <translation>Préréglage non enregistré</translation>
    </message>
    <message>
        <location line="+183"/>
        <source>refused</source>
        <translation>refusée</translation>
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
        <translation>environ %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>; on %1: about %2 of its %3 MB for videos, %4 kb/s each</source>
        <translation>; sur %1&#xa0;: environ %2 de ses %3 Mo pour les vidéos, %4 kb/s chacune</translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>Reading %n video(s)…</source>
        <translation>
            <numerusform>Lecture de %n vidéo…</numerusform>
            <numerusform>Lecture de %n vidéos…</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add videos to convert them.</source>
        <translation>Ajoutez des vidéos pour les convertir.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n video(s); the sizes follow the pictures at constant quality</source>
        <translation>
            <numerusform>%n vidéo&#xa0;; les tailles suivent les images à qualité constante</numerusform>
            <numerusform>%n vidéos&#xa0;; les tailles suivent les images à qualité constante</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n video(s), about %1 in all%2</source>
        <translation>
            <numerusform>%n vidéo, environ %1 en tout%2</numerusform>
            <numerusform>%n vidéos, environ %1 en tout%2</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Free space: ?</source>
        <translation>Espace libre&#xa0;:&#xa0;?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Free space: %1</source>
        <translation>Espace libre&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Add Videos</source>
        <translation>Ajouter des vidéos</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message numerus="yes">
        <location line="+41"/>
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep Both</source>
        <translation>Garder les deux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Replace All</source>
        <translation>Tout remplacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skip</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&quot;%1&quot; already exists</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n outputs already exist</source>
        <translation>
            <numerusform>%n sortie existe déjà</numerusform>
            <numerusform>%n sorties existent déjà</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In %1:
%2

%3 writes each new conversion under a numbered name beside the existing file. %4 puts it in the existing file&apos;s place. %5 leaves these videos out.</source>
        <translation>Dans %1&#xa0;:
%2

«&#xa0;%3&#xa0;» écrit chaque nouvelle conversion sous un nom numéroté à côté du fichier existant. «&#xa0;%4&#xa0;» la met à la place du fichier existant. «&#xa0;%5&#xa0;» laisse ces vidéos de côté.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>kept existing output</source>
        <translation>sortie existante conservée</translation>
    </message>
    <message>
        <location line="+54"/>
        <location line="+33"/>
        <location line="+1"/>
        <source>No preview</source>
        <translation>Pas d&apos;aperçu</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>No folder for the preview could be made in %1.</source>
        <translation>Aucun dossier pour l&apos;aperçu n&apos;a pu être créé dans %1.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Cannot preview</source>
        <translation>Aperçu impossible</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Previewing &quot;%1&quot;</source>
        <translation>Aperçu de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Preview ready: %1</source>
        <translation>Aperçu prêt&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Preview cancelled</source>
        <translation>Aperçu annulé</translation>
    </message>
    <message>
        <location line="+30"/>
        <location line="+19"/>
        <source>Cannot convert</source>
        <translation>Conversion impossible</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>No destination folder</source>
        <translation>Pas de dossier de destination</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not a folder. Choose where the videos go.</source>
        <translation>%1 n&apos;est pas un dossier. Choisissez où vont les vidéos.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The videos do not fit the disc</source>
        <translation>Les vidéos ne tiennent pas sur le disque</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Nothing left to convert</source>
        <translation>Plus rien à convertir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Every video in the list has been converted. Add more videos, or change a setting to convert them again with it.</source>
        <translation>Toutes les vidéos de la liste ont été converties. Ajoutez d&apos;autres vidéos, ou changez un réglage pour les convertir à nouveau avec celui-ci.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing to convert</source>
        <translation>Rien à convertir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add videos with &quot;Add Videos…&quot; or drop them on the list.</source>
        <translation>Ajoutez des vidéos avec «&#xa0;Ajouter des vidéos…&#xa0;» ou déposez-les sur la liste.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No disc this time</source>
        <translation>Pas de disque cette fois</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Some videos were skipped, and a disc is made of every video in the list. The others are converted.</source>
        <translation>Des vidéos ont été ignorées, or un disque se fait avec toutes les vidéos de la liste. Les autres sont converties.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Subtitles left out</source>
        <translation>Sous-titres écartés</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>not read</source>
        <translation>non lue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reading was cancelled; remove the video and add it again.</source>
        <translation>La lecture a été annulée&#xa0;; retirez la vidéo et ajoutez-la à nouveau.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>converting</source>
        <translation>en cours de conversion</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Converting &quot;%1&quot; (%2 of %3)</source>
        <translation>Conversion de «&#xa0;%1&#xa0;» (%2 sur %3)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>done and verified</source>
        <translation>terminée et vérifiée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>done</source>
        <translation>terminée</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1
(%2 appeared meanwhile and is kept)</source>
        <translation>%1
(%2 est apparu entre-temps et est conservé)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>failed: %1</source>
        <translation>échec&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>cancelled</source>
        <translation>annulée</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Cancelled; unfinished outputs removed</source>
        <translation>Annulé&#xa0;; sorties inachevées supprimées</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finished: %1 of %2 converted</source>
        <translation>Terminé&#xa0;: %1 sur %2 converties</translation>
    </message>
    <message numerus="yes">
        <location line="+17"/>
        <source>%n video(s) converted</source>
        <translation>
            <numerusform>%n vidéo convertie</numerusform>
            <numerusform>%n vidéos converties</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 converted, %2 failed</source>
        <translation>%1 converties, %2 en échec</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>%1 of %n video(s) converted and verified into %2.</source>
        <translation>
            <numerusform>%1 vidéo sur %n convertie et vérifiée dans %2.</numerusform>
            <numerusform>%1 vidéos sur %n converties et vérifiées dans %2.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>

Before it started, it %1.</source>
        <translation>

Avant de commencer&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+72"/>
        <location line="+28"/>
        <location line="+1"/>
        <source>Show Folder</source>
        <translation>Afficher le dossier</translation>
    </message>
    <message>
        <location line="-98"/>
        <source>Conversion finished</source>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Conversion finished with errors</source>
        <translation>Conversion terminée avec des erreurs</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+71"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>Finished: the disc is made</source>
        <translation>Terminé&#xa0;: le disque est créé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancelled; the unfinished disc was removed</source>
        <translation>Annulé&#xa0;; le disque inachevé a été supprimé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The disc failed</source>
        <translation>Le disque a échoué</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The disc is ready</source>
        <translation>Le disque est prêt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The videos are converted, but the disc failed</source>
        <translation>Les vidéos sont converties, mais le disque a échoué</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n video(s) converted, verified and put on the disc, which was read back whole:
%1 (VIDEO_TS)</source>
        <translation>
            <numerusform>%n vidéo convertie, vérifiée et mise sur le disque, qui a été relu en entier&#xa0;:
%1 (VIDEO_TS)</numerusform>
            <numerusform>%n vidéos converties, vérifiées et mises sur le disque, qui a été relu en entier&#xa0;:
%1 (VIDEO_TS)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>
%1 (the image to burn)</source>
        <translation>
%1 (l&apos;image à graver)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The videos are converted in %1, but the disc could not be made: %2</source>
        <translation>Les vidéos sont converties dans %1, mais le disque n&apos;a pas pu être créé&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>

Not on the disc, though asked for:
</source>
        <translation>

Absent du disque, bien que demandé&#xa0;:
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Disc made</source>
        <translation>Disque créé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No disc</source>
        <translation>Pas de disque</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Elapsed %1, remaining %2</source>
        <translation>Écoulé %1, restant %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+12"/>
        <source>Stop and Close</source>
        <translation>Arrêter et fermer</translation>
    </message>
    <message>
        <location line="-10"/>
        <source>Stop making the disc?</source>
        <translation>Arrêter la création du disque&#xa0;?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closing the window stops the disc and removes what was made of it. The converted videos are kept.</source>
        <translation>Fermer la fenêtre arrête le disque et supprime ce qui en a été fait. Les vidéos converties sont conservées.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Keep Going</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Stop the conversion?</source>
        <translation>Arrêter la conversion&#xa0;?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Closing the window stops the conversion and removes the unfinished output.</source>
        <translation>Fermer la fenêtre arrête la conversion et supprime la sortie inachevée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep Converting</source>
        <translation>Continuer la conversion</translation>
    </message>
</context>
<context>
    <name>convert::PictureBox</name>
    <message>
        <location filename="../window/picturebox.cpp" line="+30"/>
        <source>%1 pixels high</source>
        <translation>%1 pixels de haut</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (top:bottom:left:right)</source>
        <translation>%1 (haut:bas:gauche:droite)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Largest size:</source>
        <translation>Taille maximale&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Original size</source>
        <translation>Taille d&apos;origine</translation>
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
        <translation>Seulement plus petite, jamais plus grande, dans ses propres proportions&#xa0;; le format d&apos;image d&apos;un DVD est fixe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Crop:</source>
        <translation>Recadrage&#xa0;:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+7"/>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Automatic cuts the black bars found at five places through each video</source>
        <translation>Automatique coupe les bandes noires trouvées en cinq endroits de chaque vidéo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Denoise:</source>
        <translation>Débruitage&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+6"/>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Light</source>
        <translation>Léger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strong</source>
        <translation>Fort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Deinterlace:</source>
        <translation>Désentrelacement&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Automatic follows the video&apos;s stream, or the interlace test when it does not say</source>
        <translation>Automatique suit le flux de la vidéo, ou le test d&apos;entrelacement quand il ne dit rien</translation>
    </message>
</context>
<context>
    <name>convert::SourceList</name>
    <message>
        <location filename="../window/sourcelist.cpp" line="+79"/>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Tracks</source>
        <translation>Pistes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In MB of 1024 x 1024 bytes, as every size in this program</source>
        <translation>En Mo de 1024 x 1024 octets, comme toutes les tailles de ce programme</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 is still being read</source>
        <translation>%1 est encore en cours de lecture</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>reading…</source>
        <translation>lecture…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>refused: %1</source>
        <translation>refusée&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Converted before with other settings; Convert makes it again with these</source>
        <translation>Déjà convertie avec d&apos;autres réglages&#xa0;; Convertir la refait avec ceux-ci</translation>
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
        <translation>stéréo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 channels</source>
        <translation>%1 canaux</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Tracks of the selected video</source>
        <translation>Pistes de la vidéo sélectionnée</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Select one video to choose its sound and subtitle tracks</source>
        <translation>Sélectionnez une vidéo pour choisir ses pistes son et de sous-titres</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Picture subtitles cannot become MP4 text subtitles</source>
        <translation>Des sous-titres en images ne peuvent pas devenir des sous-titres texte MP4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DVD subtitles come from an .srt beside the video</source>
        <translation>Les sous-titres du DVD viennent d&apos;un .srt placé à côté de la vidéo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This video has no sound or subtitle track</source>
        <translation>Cette vidéo n&apos;a ni piste son ni piste de sous-titres</translation>
    </message>
</context>
</TS>
