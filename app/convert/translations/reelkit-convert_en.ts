<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Disc</name>
    <message numerus="yes">
        <source>the %n video(s)</source>
        <translation>
            <numerusform>the video</numerusform>
            <numerusform>the %n videos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Subtitles</name>
    <message numerus="yes">
        <source>the subtitles %1 have no video of their own (%n video(s)) and are left out</source>
        <translation>
            <numerusform>the subtitles %1 have no video of their own (%n video) and are left out</numerusform>
            <numerusform>the subtitles %1 have no video of their own (%n videos) and are left out</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Terminal</name>
    <message numerus="yes">
        <source>%n title(s)</source>
        <translation>
            <numerusform>%n title</numerusform>
            <numerusform>%n titles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>a chapter every %n minute(s)</source>
        <translation>
            <numerusform>a chapter every minute</numerusform>
            <numerusform>a chapter every %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  subtitles of %1: %2 (%n cue(s)%3%4)
</source>
        <translation>
            <numerusform>  subtitles of %1: %2 (%n cue%3%4)
</numerusform>
            <numerusform>  subtitles of %1: %2 (%n cues%3%4)
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n left out</source>
        <translation>
            <numerusform>, %n left out</numerusform>
            <numerusform>, %n left out</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message numerus="yes">
        <source>missing tool(s): %1 (looked for in %2; install ffmpeg and build again)</source>
        <translation>
            <numerusform>missing tool: %1 (looked for in %2; install ffmpeg and build again)</numerusform>
            <numerusform>missing tools: %1 (looked for in %2; install ffmpeg and build again)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tracks</name>
    <message numerus="yes">
        <source>%n data track(s)</source>
        <translation>
            <numerusform>%n data track</numerusform>
            <numerusform>%n data tracks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n attachment(s) (fonts, pictures)</source>
        <translation>
            <numerusform>%n attachment (fonts, pictures)</numerusform>
            <numerusform>%n attachments (fonts, pictures)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WorkFolder</name>
    <message numerus="yes">
        <source>removed what %n interrupted run(s) left in %1 (%2)</source>
        <translation>
            <numerusform>removed what an interrupted run left in %1 (%2)</numerusform>
            <numerusform>removed what %n interrupted runs left in %1 (%2)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>convert::ConvertWindow</name>
    <message numerus="yes">
        <source>%n subtitle track(s)</source>
        <translation>
            <numerusform>%n subtitle track</numerusform>
            <numerusform>%n subtitle tracks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n dropped</source>
        <translation>
            <numerusform>; %n dropped</numerusform>
            <numerusform>; %n dropped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading %n video(s)…</source>
        <translation>
            <numerusform>Reading %n video…</numerusform>
            <numerusform>Reading %n videos…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s); the sizes follow the pictures at constant quality</source>
        <translation>
            <numerusform>%n video; the sizes follow the pictures at constant quality</numerusform>
            <numerusform>%n videos; the sizes follow the pictures at constant quality</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s), about %1 in all%2</source>
        <translation>
            <numerusform>%n video, about %1 in all%2</numerusform>
            <numerusform>%n videos, about %1 in all%2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n outputs already exist</source>
        <translation>
            <numerusform>%n output already exists</numerusform>
            <numerusform>%n outputs already exist</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n video(s) converted and verified into %2.</source>
        <translation>
            <numerusform>%1 of %n video converted and verified into %2.</numerusform>
            <numerusform>%1 of %n videos converted and verified into %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video(s) converted, verified and put on the disc, which was read back whole:
%1 (VIDEO_TS)</source>
        <translation>
            <numerusform>%n video converted, verified and put on the disc, which was read back whole:
%1 (VIDEO_TS)</numerusform>
            <numerusform>%n videos converted, verified and put on the disc, which was read back whole:
%1 (VIDEO_TS)</numerusform>
        </translation>
    </message>
</context>
</TS>
