// The guide the Help menu shows. Only this file holds its text.
#include "HelpWindows.h"

#include "history/RadioHistory.h"

#include <QDir>

QString GuideHtml()
{
    return QStringLiteral(R"(
<h2>FANE5 Programmer</h2>
<p>Connect the radio with its programming cable, choose its port in the <b>Port</b> menu, then open
<b>Channel</b> or <b>Param</b> from the tool bar.</p>

<h3>The channel window</h3>
<p>One row per channel (1 to 99 shown; the radio's 128 are all kept). <b>Read</b> fetches the radio's
channels, <b>Write</b> sends them back after checking every row. Type frequencies in MHz; leaving the
cell snaps them to the 5 or 6.25 kHz raster and checks the band. Tones, power, bandwidth and the other
columns are chosen from a list. Right-click a row, or press Ctrl+C, Ctrl+V or Del, to copy, paste or
clear the current row. <b>New</b> empties the rows, <b>Save</b> and <b>Open</b> use channel files
(<tt>.chnw</tt>).</p>

<h3>The options window</h3>
<p>The radio's general settings: current channel, CTCSS or DCS, squelch, volume, backlight, time-out
timer, key lock and more. <b>Default</b> resets the main lists; option files are <tt>.optw</tt>.</p>

<h3>Changes, undo and files</h3>
<p>Every change can be undone and redone (Edit menu, Ctrl+Z, Ctrl+Y). A star in a window's title means
changes that are not saved; closing it, New, Open and Exit then ask whether to save them. The File menu
lists the files used last.</p>

<h3>Talking to the radio</h3>
<p>Read is F5, Write is F6. With <b>Verify after write</b> (Edit menu, on unless you take it off) the
radio is read back after each write and every byte is compared; a difference names the channel and
field. On Linux the Port menu's Com1 to Com9 stand for the serial devices found (<tt>/dev/ttyUSB0</tt>
and the like); your user needs the <tt>dialout</tt> group to open them. <tt>fane5 --port DEVICE</tt>
uses any other device, and <tt>fane5 --demo</tt> a simulated radio.</p>

<h3>The radio history</h3>
<p>Whatever is read from or written to the radio is kept, with its channel or option file, in
<tt>%1</tt> (the newest 100 of each kind). <b>File, Radio history...</b> lists the entries and opens
one into its window; <tt>fane5-cli history</tt> lists them too.</p>

<h3>Keys</h3>
<table>
<tr><td>Ctrl+N, Ctrl+O</td><td>New, Open</td></tr>
<tr><td>Ctrl+S, Ctrl+Shift+S</td><td>Save as</td></tr>
<tr><td>Ctrl+P</td><td>Print</td></tr>
<tr><td>Ctrl+Z, Ctrl+Y / Ctrl+Shift+Z</td><td>Undo, Redo</td></tr>
<tr><td>F5, F6</td><td>Read, Write</td></tr>
<tr><td>Ctrl+C, Ctrl+V, Del</td><td>Copy, Paste, Clear the current row of the grid</td></tr>
<tr><td>Enter</td><td>RX, then TX, then the next row</td></tr>
<tr><td>Ctrl+Q</td><td>Exit</td></tr>
</table>
)")
        .arg(QDir::toNativeSeparators(HistoryFolder()).toHtmlEscaped());
}
