<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>reelwright::BoxQueue</name>
    <message numerus="yes">
        <source>%n more came meanwhile; all of them are under Show Details.</source>
        <translation>
            <numerusform>%n more came meanwhile; it is under Show Details.</numerusform>
            <numerusform>%n more came meanwhile; all of them are under Show Details.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelwright::TimeLeft</name>
    <message numerus="yes">
        <source>%1% of %n files</source>
        <translation>
            <numerusform>%1% of %n file</numerusform>
            <numerusform>%1% of %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1% of %n files, %2 left</source>
        <translation>
            <numerusform>%1% of %n file, %2 left</numerusform>
            <numerusform>%1% of %n files, %2 left</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelwright::TrackPlan</name>
    <message numerus="yes">
        <source>%1 of the %n video tracks</source>
        <translation>
            <numerusform>%1 of the %n video tracks</numerusform>
            <numerusform>%1 of the %n video tracks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n audio tracks</source>
        <translation>
            <numerusform>%1 of the %n audio tracks</numerusform>
            <numerusform>%1 of the %n audio tracks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n subtitle tracks</source>
        <translation>
            <numerusform>%1 of the %n subtitle tracks</numerusform>
            <numerusform>%1 of the %n subtitle tracks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n cover pictures</source>
        <translation>
            <numerusform>%1 of the %n cover pictures</numerusform>
            <numerusform>%1 of the %n cover pictures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of the %n fonts</source>
        <translation>
            <numerusform>%1 of the %n fonts</numerusform>
            <numerusform>%1 of the %n fonts</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelwright::TrackReport</name>
    <message numerus="yes">
        <source>%n fonts</source>
        <translation>
            <numerusform>%n font</numerusform>
            <numerusform>%n fonts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n video tracks</source>
        <translation>
            <numerusform>%n video track</numerusform>
            <numerusform>%n video tracks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n audio tracks</source>
        <translation>
            <numerusform>%n audio track</numerusform>
            <numerusform>%n audio tracks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n subtitle tracks</source>
        <translation>
            <numerusform>%n subtitle track</numerusform>
            <numerusform>%n subtitle tracks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n picture subtitle tracks</source>
        <translation>
            <numerusform>%n picture subtitle track</numerusform>
            <numerusform>%n picture subtitle tracks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n %1 tracks</source>
        <translation>
            <numerusform>%n %1 track</numerusform>
            <numerusform>%n %1 tracks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kept %1 tracks.</source>
        <translation>
            <numerusform>Kept %1 track.</numerusform>
            <numerusform>Kept %1 tracks.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Kept %1 tracks, with %2.</source>
        <translation>
            <numerusform>Kept %1 track, with %2.</numerusform>
            <numerusform>Kept %1 tracks, with %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>reelwright::frmMain</name>
    <message numerus="yes">
        <source>The batch has ended. The computer will be switched off in %n seconds.</source>
        <translation>
            <numerusform>The batch has ended. The computer will be switched off in %n second.</numerusform>
            <numerusform>The batch has ended. The computer will be switched off in %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows of the list kept from the last run could not be read and were left out. The list as it was is kept as %1.</source>
        <translation>
            <numerusform>One row of the list kept from the last run could not be read and was left out. The list as it was is kept as %1.</numerusform>
            <numerusform>%n rows of the list kept from the last run could not be read and were left out. The list as it was is kept as %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files kept in the list are no longer there and were left out.</source>
        <translation>
            <numerusform>%n file kept in the list is no longer there and was left out.</numerusform>
            <numerusform>%n files kept in the list are no longer there and were left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted before it ended: %n files are still to convert.

Resume converts them with the format and output folder the batch had:
%1</source>
        <translation>
            <numerusform>The last batch was interrupted before it ended: %n file is still to convert.

Resume converts it with the format and output folder the batch had:
%1</numerusform>
            <numerusform>The last batch was interrupted before it ended: %n files are still to convert.

Resume converts them with the format and output folder the batch had:
%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files converted, %1 failed</source>
        <translation>
            <numerusform>%n file converted, %1 failed</numerusform>
            <numerusform>%n files converted, %1 failed</numerusform>
        </translation>
    </message>
</context>
</TS>
