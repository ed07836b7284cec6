<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show these options and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the product code, disc ID and bleem!.INI title of each disc image or drive named instead of FOLDER, one line each, and end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --identify: read bleem!.INI from &lt;folder&gt; instead of where it is usually found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A companion for the game database files of bleem!: bleem!.INI and Compatibility.TXT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the bleem!.INI of this folder (and the Compatibility.TXT beside it) for this run, leaving the stored settings as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[FOLDER | --identify FILE-OR-DEVICE...]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tolva: %1
Try &apos;tolva --help&apos; for the options.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--identify needs at least one disc image or drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--ini goes with --identify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one FOLDER at most, not %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no %1 in %2.

tolva! looks for it where it usually does.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommonError</name>
    <message>
        <source>Description : %1<byte value="xd"/>
Modul : %2<byte value="xd"/>
<byte value="xd"/>
please contact me : %3<byte value="xd"/>
<byte value="xd"/>
Resume?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Critical Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>cannot add the entry to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot add the entries to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot change the entry in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot remove the entry from %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot change an entry of %1: no game is selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot remove an entry from %1: no game is selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the first line of %1: the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no active entry has the disc ID %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disc ID contains a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the title contains a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the flags word contains a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disc ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct3D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot remove the game from %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add or change a game in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; the file was left unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was not read whole when last loaded (more than %1 entries, or a read error), and writing now could lose what was not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file has %1 lines, more than the %2 a change can hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entry with the disc ID %1 cannot be told apart safely: it or an entry before it does not have exactly one Title line (Clean Up writes every entry so again)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entry with the disc ID %1 cannot be told apart safely: it or an entry before it does not have exactly one Flags line (Clean Up writes every entry so again)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entry with the disc ID %1 titled &quot;%2&quot; is no longer in the file as it was loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds more than %2 records: the records after the %3th are left out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: cannot create a temporary file in %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is larger than %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Flags</name>
    <message>
        <source>Alternate Display Mode on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Frame Skip off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternate Display Mode : On in Software Mode, Off in D3D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Skip : Off in Software Mode / On in D3D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Must Skip opening MDEC&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some Videos may not play - to skip them, press START and/or X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening MDEC&apos;s do not display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some Video Sequences do not display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some CD-ROM drives may not be able to play this game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some CDROM/DVDROM Units are incompatible with this game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No problems, load and save works properly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can Load but not Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Saves can be loaded, but not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can Save but not Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Saves can be saved, but not loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Save or Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Cards will automatically be disabled to operate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some parts can save and load, but not other parts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Saves can be loaded and saved for some game functions only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perfect sound, no errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound effects and/or music will be heard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minor Sound Problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some sound effects and/or music may exhibit minor flaws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Major Sound Problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some sound effects and/or music may exhibit flaws (Major Sound Problems)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeating sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some sound effects and/or music may exhibit flaws (Repeating sound)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minor choppiness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some sound effects and/or music may exhibit flaws (Minor choppiness)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Major choppiness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some sound effects and/or music may exhibit flaws (Major choppiness)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perfect display, no errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minor Graphics Problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some graphics may exhibit minor flaws</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D3D Graphical Problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct3D Enhancements may exhibit some flaws</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>cannot keep the previous version, so the change could not be taken back: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot put the earlier version back into %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mail</name>
    <message>
        <source>Connecting to the Mail Server ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error sending mail...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending cancelled...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the server&apos;s reply...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail Server is ready...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending Rset to server...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending FROM command...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending RCPT command...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending DATA command...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending Quit command to disconnecting from mail server...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected from mail server after error...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected from mail server...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Text</name>
    <message>
        <source>bleem!.INI can only hold the characters of Windows-1252 (Western European), so these were left out: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>cannot clean up %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot disable the entries in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program has changed it since it was last read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source> Can&apos;t connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Online Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> - No update available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Update - Wrong file version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tolva! failed to connect to the server.

Please establish a internet connection first, before you run tolva! Online Update. When you have any further problems, please check your modem and internet settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update on the server holds more than %1, more than tolva! can take.

Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re already using the latest ini update.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your ini file doesn&apos;t match with the current version on the server.
Please check if a new bleem! version is avaible
Your version :%1
The version on the server :%2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We are not responsible for any incorrect information; all information is directly coming from bleem!, inc. or sent to us by tolva! users via the &apos;Mail to tolva!&apos; function. However, if you find an entry to be incorrect, please send us a corrected entry.
Thank you for your support.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update was cancelled. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While processing the ini-update an error occured.

Source : %1
Description : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your bleem!.ini cannot be updated: %1.

The update was not started; nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your bleem!.ini holds %1 entries; adding the %2 marked entries would take it beyond the %3 entries tolva! can read.

Please mark at most %4 entries. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (Yes!)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (Not Yet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (Partially)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the download was cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer from the server for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server answered &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server closed the connection before its response header ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Wizard</name>
    <message>
        <source>This digit code is already used by another game<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolva! wasn&apos;t able to find a DiscID for this cd.<byte value="xd"/>
Please get the ID using bleem! and mail it, together with the region code (%1), to us.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds no BOOT line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This means that the game runs as good as on a real playstation or even better.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game has small graphics errors, e.g. translucency problems, corrupt loading/title screens etc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game has graphics problems running in D3D, e.g. menus or parts of the screen don&apos;t display, parts of the screen are flickering, screens don&apos;t update etc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game has small sound errors, e.g. muffled sound, low sounds, distorted speech/sound, etc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game has sound errors, e.g. real choppy MDEC sound, missing or cut off sounds, etc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The memory card function will be disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies skip automatically.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Since a PC CD-Rom is much faster than the one a PSX uses, some games may experience problems because the data got transferred too fast.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please rate the graphic quality of this game using bleem! :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention : Any Major graphics problems will usually make the game fail, you shouldn&apos;t rate this game as compatible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please rate the sound quality of this game using bleem! :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does this game support the memory cards ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MDEC and CD-ROM Problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When bleem! crashes during a movie, choose one of the following options :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disc image is damaged or cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the drive holds no disc, or it cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is no disc image and no drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty, so it is no disc image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the CUE sheet names no data track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its first track holds no data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is too large to be a boot file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::ChangeWatch</name>
    <message>
        <source>%1 was deleted or cannot be read any more (%2).<byte value="xd"/>
<byte value="xd"/>
The list stays as it was, and nothing is written in the file&apos;s place.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::CleanUpFORM</name>
    <message>
        <source> Clean Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This wizard helps you to clean up the data in the bleem!.ini ! All comments will be removed and the entries will get sorted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you want to copy additional information from the compatiblity.txt into the bleem! ini file, choose it from below :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Works?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D3D Enhanced?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the comments before the entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the comments after the entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the lines Finish would change in bleem!.ini.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate the following option when you want to sort the ini afterwards :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean Up the ini afterwards</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::Compare1FORM</name>
    <message>
        <source> Compare</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::Compare2FORM</name>
    <message>
        <source> Compare [1/3]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::Compare3FORM</name>
    <message>
        <source> Compare [2/3]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::Compare4FORM</name>
    <message>
        <source> Compare [3/3]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::DownloadFORM</name>
    <message>
        <source>tolva! will now connect to the server to transfer the latest update information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Online Update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::DownloadFORM2</name>
    <message>
        <source> Online Update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::GamesTableFORM</name>
    <message>
        <source>(any)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes %1%, Partial %2%, Not Yet %3%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Games Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the games whose title begins with this text (? any one character, * one or more), or whose disc ID or product code it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Region:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Genre:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Direct3D:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status shown:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Partial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Not Yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Yet :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games not yet shown in the main window were joined to their compatibility records in table order, as clicking them from the top down would.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the shown games, in the shown order, to a CSV file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games Table.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The games table is never written over bleem!.INI or Compatibility.TXT. Please choose another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The games table was not exported: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::HistoryFORM</name>
    <message>
        <source>bleem!.INI was changed by another program since tolva! last wrote it. Replace it all the same with the version before &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versions of bleem!.INI kept before each change, newest first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the current file adds (+) and removes (-) against the chosen version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the chosen version back into bleem!.INI.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No version is kept yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n entries</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tolva::Info1FORM</name>
    <message>
        <source>A game is unplayable when :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- the game doesn&apos;t even start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- the game often crashes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- major graphic errors occur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- the game runs really slow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::Mail2FORM</name>
    <message>
        <source> Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T-shirt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How does it work?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It&apos;s easy! Just submit 15 complete compatibility reports for games that are not on bleem!&apos;s Game List. Working or not, the bleem!-team need to know!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you help bleem! out by testing your games you can get this t-shirt FREE!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more info :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WHOOOOHOOOO!
FREE SWAG!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::MailFORM</name>
    <message>
        <source> Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This wizard allows you to send your bleem!.ini, your comments and your bug reports regarding tolva! directly to the tolva! team.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have added any new entries to your bleem!.ini, which aren&apos;t available via the Update tool, we will add your name to the Readme.TXT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Mail :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments &amp;&amp; Suggestions :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments &amp; Suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::MainFORM</name>
    <message>
        <source>&amp;Search :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for a particular game in the database.
Titles come first; when no title matches, a disc ID (10 digits) or a product code (SLUS-00707, SLUS_007.07, SLUS00707) finds its game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Games :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current bleem! game database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summarization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Yet :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Version :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current bleem! game database version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Title :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disc ID :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bleem! Disc ID of the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See if the game works with bleem!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See if the game support D3D Enhanced! (only available on enabled &apos;Automatic Compatibility Reload&apos;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct3D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Code :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s product code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publisher :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s publisher.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s country code. (U/C : United States/Canada, J : Japan, PAL : Pretty much everyplace else, ALL : All three regions)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Graphics Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternate Display Mode on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Frame Skip off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternate Display Mode : On in Software Mode, Off in D3D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Skip : Off in Software Mode / On in D3D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other (MDEC and CD-ROM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add/Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a game to the bleem! game database, or change the existing game informations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable the selected game entry from the database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean up the bleem!.ini data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close tolva!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add/Edit Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online Update (based on MSWINSCK)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online Update (based on MSINET)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mail to Tolva!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More information about the selected game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games Table...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select another bleem!.ini file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select another Compatibility.txt file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic Compatibility Reload (Switch off for better performance)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tolva! Homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequently Asked Questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dravik Message Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dravik Homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bleem! Homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CheatPal! Homepage (cheat codes for bleem!)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: works</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: partially works</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: does not work yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct3D supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no Direct3D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolva! needs the region code of this game to search for more information. Unfortunately, this game&apos;s region code is not known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bleem!&apos;s game compatibility database is missing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already in use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternate Display Mode :<byte value="xd"/>
Software Mode = On, D3D = Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Skip :<byte value="xd"/>
Software Mode = Off, D3D = On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INI Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TXT Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure that the game should be removed ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bleem!.INI was changed by another program and has been reloaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compatibility.TXT was changed by another program and has been read again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bleem!.INI was changed by another program since it was read. It has been reloaded, and nothing was written, so that change is not lost.<byte value="xd"/>
<byte value="xd"/>
Check the list, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::Page</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::PreviewFORM</name>
    <message>
        <source>Lines after &quot;-&quot; are removed, lines after &quot;+&quot; are added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No line differs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What &quot;%1&quot; would change in %2:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::Repair1FORM</name>
    <message>
        <source> Repair</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::Repair2FORM</name>
    <message>
        <source> Repair [1/4]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::Repair3FORM</name>
    <message>
        <source> Repair [2/4]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::Repair4FORM</name>
    <message>
        <source> Repair [3/4]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::Repair5FORM</name>
    <message>
        <source> Repair [4/4]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::RepairListPage</name>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::SearchFORM</name>
    <message>
        <source>bleem!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the name of the folder where bleem! or the &quot;bleem!.ini&quot; is located.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the name of the folder where bleem! or the &quot;compatiblity.txt&quot; is located.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found in Wine prefixes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder to put it into the field above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found in Wine prefixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INI Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TXT Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aborted by user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::SplashFORM</name>
    <message>
        <source>Build %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::ToolFinishPage</name>
    <message>
        <source>The tolva! wizard has now all the information needed to update the bleem! database with your game information. Click &apos;Finish&apos; to complete setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::UpdateFORM</name>
    <message>
        <source> Online Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following new entries were found. Mark the entries you want to add to the bleem!.ini.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New entries :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark the entries to add to the bleem!.ini.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unmark all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the lines Finish would add to bleem!.ini.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::Wizard1FORM</name>
    <message>
        <source>Welcome to the tolva!-Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using this wizard, you&apos;re easily able to add new games to the bleem.ini and to edit existing games.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a new game to the database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change current information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::Wizard2FORM</name>
    <message>
        <source>Please enter the game&apos;s name : (required)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the 10 digit code which is required by bleem! to detect the game&apos;s name and the flags:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 digit code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(required)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the 10 digit code from the game CD in this drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disc image...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the 10 digit code from a disc image (%1); dropping one here does the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 Digit Code can be found in Bleem! on the &quot;THIS GAME HASN&apos;T BEEN TESTED SCREEN&quot; Just click the &quot;b&quot; on the screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave the following option checked when the game works with bleem!, and when it&apos;s playable. Click on the info button to see when a game is &apos;unplayable&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This game works with bleem!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure this game isn&apos;t working with bleem! ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disc images|%1|Alle Dateien (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::Wizard7FORM</name>
    <message>
        <source>Here you will have to configure the Advanced Graphics Settings, in order to have a optimal graphics display result :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternate Display Mode on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some games don&apos;t display properly when you have this option off. If the game has major graphic errors, check this option to see if your game requires this.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Enable Frame Skip&quot; off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A game is built of &apos;frames&apos; - image after image, and the more images per second, the more fluent the game runs, but often slower. With frameskip, it skips some of these frames, making it go faster, but less fluently.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternate Display Mode : On in Software Mode, Off in D3D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Skip : Off in Software Mode / On in D3D</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::Wizard8FORM</name>
    <message>
        <source>The tolva! wizard has now all the information needed to update the bleem! database with your game information. Click &apos;Finish&apos; to complete setup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tolva::WizardPage</name>
    <message>
        <source> Wizard [%1/%2]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
