#include "HelpText.h"

#include <array>

namespace cw {
namespace {

struct TopicText {
    const char* anchor;
    const char* title;
    int contextId;
    const char* body;   // the topic's HTML below its heading
};

// The contents topic lists the others; its body is built, not written here.
constexpr std::array kTopics = {
    TopicText{"contents", "Contents", HelpContext::Contents, ""},

    TopicText{"getting-started", "Getting started", -1, R"HTML(
<p>Coinwick 2 keeps your personal cash flow: every amount of money that comes
in (<b>income</b>) and every amount that goes out (<b>expense</b>), each with
a date, a two-character category code and a short note. It keeps one ledger
per calendar year and builds cash-flow reports from it.</p>
<ol>
<li><b>Make your categories.</b> Choose <b>Edit, New Category</b>, type a
code such as <tt>FD</tt> and a name such as <tt>Food</tt>, and press
<b>Save</b>. Repeat for every kind of income and expense you want to follow
(salary, rent, car, taxes ...). See <a href="#category-editor">Category
editor</a>.</li>
<li><b>Enter what you spend and earn.</b> Choose <b>Edit, New Line Item</b>
(or the <b>New</b> toolbar button, or the Insert key), pick a category, type
the amount and a note, and press <b>Save EXPENSE</b> or <b>Save INCOME</b>.
See <a href="#entry-editor">Entry editor</a>.</li>
<li><b>Automate what repeats.</b> Deductions from every pay cheque can be
entered in one go with a macro file. See <a href="#macros">Macro
functions</a>.</li>
<li><b>See where the money went.</b> Press <b>Reports</b>, pick categories
and months, and press <b>View</b>. See <a href="#reports">Reports
window</a>.</li>
<li><b>Keep a copy.</b> Use <b>File, Backup</b> now and then to copy your
files to another disk or folder. See <a href="#backup">Backup</a>.</li>
</ol>
<p>At the start of a new year, choose <b>File, Select Year</b>, pick the new
year and answer <b>Yes</b> when you are offered last year's categories. See
<a href="#year-selection">Year selection</a>.</p>
)HTML"},

    TopicText{"main-screen", "The main screen", -1, R"HTML(
<p>The main screen shows the entries of the <b>active year</b>, newest
first.</p>
<h3>The entry list</h3>
<p>Its columns are <b>Date</b>, <b>Amount</b>, <b>Code</b> (the category)
and <b>Note</b>. Expenses are shown in red as negative amounts, income in
black. An entry with an amount of zero is an <b>open item</b> (a bill you
expect, for example) and is shown as <tt>****?****</tt> in blue.</p>
<ul>
<li>Double-click an entry, or press Enter on it, to open it in the
<a href="#entry-editor">entry editor</a>, where you can change or delete
it.</li>
<li>Press Insert to add a new entry.</li>
<li>Press Delete to delete the entry of the current row. The program asks
&quot;Delete record ?&quot; first; only that one entry is removed.</li>
</ul>
<h3>The category list and Full Year</h3>
<p>The list at the right shows the year's categories. Click a category (or
press a key in the list) to show only that category's entries; the totals
then count those entries only. Press <b>Full Year</b>, above the list, to
show every entry of the year again.</p>
<h3>Status bars</h3>
<p>One status bar shows the <b>Income</b>, <b>Expense</b> and
<b>Balance</b> of the entries listed (&quot;No Income!&quot; or &quot;No
Expense!&quot; when there is none) and today's date. The other shows how
many entries are listed, the year and the category shown, and the
&quot;Active Year&quot;.</p>
<h3>Toolbar</h3>
<table border="1" cellpadding="3" cellspacing="0">
<tr><th>Button</th><th>What it does</th></tr>
<tr><td>Help</td><td>opens this help at its contents</td></tr>
<tr><td>Search</td><td>finds a word in the notes (<a href="#find">Find</a>)</td></tr>
<tr><td>Notes</td><td>opens the year's notes file (<a href="#notes">Notes</a>)</td></tr>
<tr><td>Macro</td><td>shows the macro controls (<a href="#macros">Macro functions</a>)</td></tr>
<tr><td>Reports</td><td>opens the <a href="#reports">reports window</a></td></tr>
<tr><td>Year</td><td>selects another year (<a href="#year-selection">Year selection</a>)</td></tr>
<tr><td>Passcode</td><td>sets the start-up passcode (<a href="#passcode-username">Passcode and user name</a>)</td></tr>
<tr><td>Sort</td><td>puts the year's entries back in order (<a href="#sorter">Data file sorter</a>)</td></tr>
<tr><td>New</td><td>adds a new entry (<a href="#entry-editor">Entry editor</a>)</td></tr>
</table>
<h3>Keys</h3>
<p>Ctrl+N adds a new line item, Ctrl+F finds a word, Ctrl+Q ends the
program and F1 opens the help for the part of the screen you are working
in.</p>
)HTML"},

    TopicText{"entry-editor", "Entry editor", HelpContext::EntryEditor, R"HTML(
<p>The entry editor adds a new entry or changes or deletes an existing one.
While it is open, the entry and category lists cannot be used.</p>
<h3>Adding an entry</h3>
<ol>
<li>Choose <b>Edit, New Line Item</b>, press the <b>New</b> toolbar button,
press Ctrl+N, or press Insert in the entry list. The editor opens with
today's date.</li>
<li><b>Date</b>: type the month and day (or the day and month, see
<a href="#date-format">Date format</a>). The year is always the active year,
shown beside the date. The <b>!</b> button (&quot;Make Date = Today&quot;)
puts today's date back.</li>
<li><b>Category</b>: click a category in the small list, or move to it
with the arrow keys. When the main screen shows one category only, that
category is already chosen.</li>
<li><b>Amount</b>: type the amount without a sign, for example
<tt>12.50</tt> or <tt>1,234.50</tt>. A currency symbol, brackets around the
amount and one sign before or after it are allowed and ignored (the button
decides income or expense); any other letter or sign is refused. An empty
amount is stored as zero (an open item).</li>
<li><b>Note</b>: up to 40 characters about the entry.</li>
<li>Press <b>Save EXPENSE</b> to store the amount as money going out, or
<b>Save INCOME</b> to store it as money coming in. The two buttons stay
disabled until a category is chosen.</li>
</ol>
<p>The entry goes into its place in the list: newest first, and within one
day in the order of the category codes.</p>
<h3>Changing or deleting an entry</h3>
<p>Double-click the entry in the list (or press Enter on it). The editor
shows its date, amount (without sign), category and note.</p>
<ul>
<li><b>Replace</b> writes your changes over the entry. An expense stays an
expense and an income stays an income. If you change the date, the entry
keeps its place in the list until you sort the year (see
<a href="#sorter">Data file sorter</a>).</li>
<li><b>Delete</b> removes the entry you opened, after the question
&quot;Delete record ?&quot;.</li>
<li><b>Save EXPENSE</b> and <b>Save INCOME</b> add the editor's contents as a
new entry and leave the opened entry as it was: a quick way to copy an
entry.</li>
<li><b>Cancel</b> closes the editor and changes nothing.</li>
</ul>
<h3>Messages</h3>
<ul>
<li>&quot;Invalid Date - ...&quot;: the month must be 1 to 12 and the day
must exist in that month of the active year (02-29 only in a leap year,
04-31 never).</li>
<li>&quot;No Category Selected&quot;: choose a category first.</li>
<li>&quot;Invalid Amount - ...&quot;: the amount holds a letter or sign the
program cannot read as an amount (such as the letter O for a zero), or is
too large.</li>
<li>&quot;Entry not found - nothing changed&quot;: the entry was changed or
removed in the meantime; nothing was written.</li>
</ul>
<p>In each of these cases nothing is stored and the editor stays open with
everything you typed, the cursor on the field to correct; correct it and
press the button again.</p>
)HTML"},

    TopicText{"year-selection", "Year selection", HelpContext::YearSelection, R"HTML(
<p>Each calendar year has its own ledger and its own categories. When the
program starts, the current calendar year is the active year.</p>
<ol>
<li>Choose <b>File, Select Year</b> or press the <b>Year</b> toolbar
button. The &quot;Select Year&quot; panel opens.</li>
<li>Use the arrows to choose the year (1968 to 3000).</li>
<li>Press <b>OK!</b> to make it the active year, or <b>Cancel</b> to keep
the year you have.</li>
</ol>
<p>The main screen then lists every entry of the chosen year, and the status
bar shows the new &quot;Active Year&quot;.</p>
<p><b>Starting a new year.</b> When the chosen year has no categories yet,
the program asks &quot;There is no category file for ... Copy over ...'s
categories ?&quot;. Answer <b>Yes</b> to give the new year the categories of
the year you came from; answer <b>No</b> to start it without categories and
make them with <a href="#category-editor">Edit, New Category</a>.</p>
)HTML"},

    TopicText{"category-editor", "Category editor", HelpContext::CategoryEditor, R"HTML(
<p>Every entry belongs to a category, named by a code of one or two
characters (<tt>FD</tt>) and a name of up to 16 characters (<tt>Food</tt>).
Each year has its own categories; the list is kept in the order of the
codes, and codes are always stored in capitals.</p>
<h3>A new category</h3>
<p>Choose <b>Edit, New Category</b>. Type the code and the name in the
&quot;Category Editor&quot; panel and press <b>Save</b>.</p>
<h3>Changing or deleting a category</h3>
<p>First click the category in the category list of the main screen, then
choose <b>Edit, Change Category</b> (without a chosen category the program
says &quot;Please select a category&quot;). The panel shows its code and
name.</p>
<ul>
<li><b>Replace</b> stores the changed code and name. When you change the
code, every entry of the year that has the old code gets the new one.</li>
<li><b>Delete</b> removes the category after the question &quot;Delete
category ... ?&quot;. The program then asks &quot;Category deleted. Delete
records too?&quot;: answer <b>No</b> to keep the category's entries, or
<b>Yes</b> and then <b>Yes</b> again at &quot;ARE YOU SURE?&quot; to remove
every entry of that category from the year as well.</li>
<li><b>Cancel</b> closes the panel.</li>
</ul>
<h3>Messages</h3>
<ul>
<li>&quot;No category code!&quot;, &quot;No category name!&quot;: fill in
both boxes.</li>
<li>&quot;Category ... already exists!&quot;: two categories would share one
code, and their entries could no longer be told apart. Answer <b>No</b>
unless that is what you want. Changing only the name of a category, and
keeping its code, asks nothing.</li>
</ul>
<p>The panel closes after every button; choose the menu command again for
the next change. After <b>New Category</b> or <b>Cancel</b> no category is
chosen: click a category or <b>Full Year</b> to list entries again.</p>
)HTML"},

    TopicText{"find", "Find a word", -1, R"HTML(
<p>Choose <b>Search, Find a word</b>, press the <b>Search</b> toolbar button
or press Ctrl+F. Type the word at &quot;Find what?&quot; and press OK.</p>
<ul>
<li>Find looks in the notes of the entries the main screen lists right now,
from the top. To search the whole year, press <b>Full Year</b> first.</li>
<li>Capitals and small letters are alike.</li>
<li>The text is found at the beginning of a word, also after one leading
character such as a bracket: <tt>tax</tt> finds &quot;Taxi to airport&quot;
and &quot;(tax refund)&quot; but not &quot;surtax&quot;. It may be the start
of a longer word: <tt>car</tt> finds &quot;carpet&quot;.</li>
<li>Search for one word only; a text with a blank inside is never
found.</li>
</ul>
<p>The list moves to the first entry found and asks &quot;Find next?&quot;:
<b>Yes</b> goes on to the next one, <b>No</b> stops there, so you can open
the entry with Enter. &quot;That's all!&quot; means the end of the list was
reached. The word you searched for is offered again the next time. Cancel
or an empty answer ends the search at once.</p>
)HTML"},

    TopicText{"macros", "Macro functions", HelpContext::MacroFunctions, R"HTML(
<p>A macro file holds entries you make again and again, such as the
deductions from every pay cheque. Playing it adds all of them to the active
year at once, under one date.</p>
<p>Choose <b>Macros, Show Macro Controls</b> or press the <b>Macro</b>
toolbar button. The &quot;Macro Functions&quot; panel shows a date, the name
of the active macro file and the list of macro files (names ending in
<tt>.mcr</tt>) in the program's folder.</p>
<h3>Making a new macro file</h3>
<ol>
<li>Type a name without an extension, for example <tt>payroll</tt>, in the
file name box.</li>
<li>Press <b>New</b>. The program writes <tt>PAYROLL.MCR</tt> from a
template that explains the format, and opens it in your text editor.</li>
<li>Type your entries between the two lines of stars, save the file and
close the editor.</li>
</ol>
<h3>The format of a macro file</h3>
<ul>
<li>A line that begins with an apostrophe (<tt>'</tt>) in its first column is
a remark, and an empty line is skipped.</li>
<li>Every other line counts, three lines for each entry: first the category
code, then the amount, then the note (up to 40 characters).</li>
<li>The amount keeps its sign: <tt>-100.00</tt> is an expense,
<tt>250</tt> an income. Write it with a point as the decimal mark and
without a currency symbol or thousands separators; anything after the
number is ignored.</li>
<li>Codes may be typed in small letters. They are not checked against the
category list, so use codes that exist.</li>
</ul>
<pre>
FT
-100.00
federal income tax
ST
-35.50
state tax
</pre>
<p>One or two lines left over at the end do not make an entry and are
ignored.</p>
<h3>Editing and playing</h3>
<ol>
<li>Double-click the macro file in the list; its name goes into the box and
<b>Edit</b> and <b>Play</b> become available.</li>
<li><b>Edit</b> opens the file in your text editor.</li>
<li>To play it, type the date in the date box (the <b>!</b> button puts
today's date there) and press <b>Play</b>, then <b>Yes</b> at &quot;Play
macro file?&quot;. Every entry is added with that date, and the main screen
shows the whole year.</li>
</ol>
<p><b>Cancel</b> closes the panel. Messages: &quot;Please provide a file name
with no extension.&quot; (New with an empty box), &quot;Please select a macro
file&quot; (Edit or Play without a file), &quot;Invalid Date - ...&quot; (the
date is not a valid month and day; nothing is played). An entry without a
category code is refused with &quot;No Category Selected&quot; and an amount
that is too large with &quot;Invalid Amount - ...&quot;; the other entries
are still added. A macro file that cannot be read is reported, and nothing
is added.</p>
)HTML"},

    TopicText{"reports", "Reports window", HelpContext::ReportsMenu, R"HTML(
<p>Choose <b>Reports</b> on the menu bar or press the <b>Reports</b> toolbar
button. The reports window covers the main screen, which cannot be used
until you leave the reports window with
<b>File, Exit reports screen</b>.</p>
<h3>Building a report</h3>
<ol>
<li><b>Choose the categories.</b> <b>All Cats</b> takes every category at
once. <b>Pick Cats</b> shows two lists: click a category in &quot;All
available categories&quot; to add it to &quot;Categories for this
report&quot;; click one in the right-hand list to remove it (clicking the
first one there removes them all). A category already in the report is not
added again. <b>All Cats</b> also takes the entries whose category was
deleted while its entries were kept: each such code gets a section of its
own named &quot;(no category)&quot;, so the report's totals always agree with
the main screen's.</li>
<li><b>Choose the months.</b> The report covers January to December at
first. <b>Start</b> moves the first month one month later, <b>End</b> moves
the last month one month earlier; both go round the year, and the other end
follows so that the start never comes after the end.</li>
<li><b>Choose the kind.</b> <b>Summary</b> gives the totals per category;
<b>Full</b> adds every line item.</li>
<li>Press <b>View</b>. The report appears in the window.</li>
</ol>
<p><b>Print</b> (or Ctrl+P) prints the report shown. When the computer has
no printer, the report is written to a PDF file in the program's folder and
a message names it. A report of more than 50 pages asks first; while it
prints, a window counts the pages and <b>Cancel</b> stops it (nothing is
left of a stopped PDF). <b>Preview</b> (or File, Print Preview) shows the
pages exactly as Print will put them, with their number in the title.
<b>Clear</b> empties the report and the chosen
categories; the months and the kind stay. <b>Help</b> opens this page.</p>
<h3>What the report shows</h3>
<ul>
<li>Your name (see <a href="#passcode-username">User Name</a>), the date,
the months searched and the months in which entries were found.</li>
<li>The money that went <b>out</b> and the money that came <b>in</b>: for
each category its sub total, its share in percent and a bar, then the total
expense and the total income.</li>
<li>The surplus or deficit of the period.</li>
<li>The open items: entries with an amount of zero.</li>
<li>For a full report, every entry, grouped by category.</li>
</ul>
<p>The status bars show the year, the categories, the months and the kind
of report, and after <b>View</b> the number of entries with the income,
expense and balance.</p>
<h3>Charts</h3>
<p><b>Chart</b> (on the toolbar and the <b>View</b> menu) shows the chosen
categories and months as pictures in place of the report text, and
<b>Chart</b> again brings the text back. Three charts: the money that went
out and the money that came in, one bar per category with its sub total and
share, largest at the top; and month by month the income and expense as
columns with the running balance as a line. Categories with nothing in the
months get no bar. The charts are drawn afresh when shown and on
<b>View</b>; <b>Clear</b> returns to the report text. <b>Print</b>, while
the charts are shown, prints them on one landscape page.
<b>File, Save Chart...</b> writes them into one picture: the name you give
decides the kind, PNG (<tt>.png</tt>), SVG (<tt>.svg</tt>) or PDF
(<tt>.pdf</tt>).</p>
<p>To use the same entries in a spreadsheet, see
<a href="#export">Export</a>.</p>
)HTML"},

    TopicText{"export", "Export to a spreadsheet", -1, R"HTML(
<p>The export writes the entries a report covers (the chosen categories and
months of the active year) to a text file that spreadsheet programs
read.</p>
<ol>
<li>In the reports window, choose the categories and months, then choose
<b>File, Export comma-delimited file</b>. Without chosen categories the
program says &quot;You must select categories first!&quot;.</li>
<li>In the &quot;Data Export&quot; window, choose the drive and folder.
The files ending in <tt>.txt</tt> in that folder are listed; click one to use
its name. The name offered is <tt>CWK_DATA.TXT</tt>. The window shows the
months, year and number of categories that will be exported.</li>
<li>Press <b>Write to export file</b>.</li>
</ol>
<p>When the file already holds data, the program asks whether to append the
new lines to it; <b>No</b> writes nothing and lets you type another name.
The export never writes into one of the program's own files (year data and
category files, <tt>PERSONAL.DAT</tt>, notes, macros, work files, in any
letter case) nor through a link: it says &quot;This file belongs to the
ledger; choose another name.&quot; or names the link.
When the export is done, a message names the file; open it in your
spreadsheet program. <b>Cancel</b> closes the window without writing.</p>
<p>Each entry is one line of four quoted fields separated by commas: the
date with a four-digit year, the category code, the amount (negative for
an expense) and the note, for example</p>
<pre>"03-15-2026","FD","-12.5 ","Lunch                                   "</pre>
)HTML"},

    TopicText{"sorter", "Data file sorter", -1, R"HTML(
<p>New entries always go into their place, newest first. After you change
the date of an entry with <b>Replace</b>, however, that entry stays where it
was. The sorter puts the whole active year back in order: latest date first,
and within one day by category code.</p>
<ol>
<li>Choose <b>File, Sort</b> or press the <b>Sort</b> toolbar button. The
&quot;Data File Sorter&quot; window opens; the main screen waits until it is
closed.</li>
<li>Press <b>Start</b>. The window shows &quot;Working...&quot; and a
progress bar, then &quot;Finished!&quot;.</li>
<li>Press <b>Stop!</b> to close the window.</li>
</ol>
<p>Pressing <b>Stop!</b> during a run stops it after the current step; every
entry is still there, partly sorted. The main screen shows the new order the
next time it lists the entries (press <b>Full Year</b>).</p>
)HTML"},

    TopicText{"backup", "Backup", -1, R"HTML(
<p>The backup copies your files to another folder or disk: the ledgers,
the categories and the settings (names ending in <tt>.dat</tt>), the macro
files (<tt>.mcr</tt>) and the notes (<tt>.nts</tt>).</p>
<ol>
<li>Choose <b>File, Backup</b>. The &quot;Data Backup&quot; window opens;
&quot;Source:&quot; shows the program's folder and the files that will be
copied.</li>
<li>Choose the drive and the folder to copy to; &quot;Target:&quot; shows
it.</li>
<li>Press <b>Copy all Source files to Target</b>. Each file is named while
it is copied; files of the same name in the target folder are replaced.</li>
<li>&quot;Finished&quot; says that all went well. <b>Cancel</b> closes the
window.</li>
</ol>
<p>&quot;Chose a different target!&quot; means the target is the program's
own folder. When a file cannot be copied (a full disk, for example), the
others are still copied and a message at the end names the files that were
not; the older copy of such a file in the target folder is kept.</p>
<p>To restore, copy the files back into the program's folder while the
program is not running.</p>
)HTML"},

    TopicText{"import", "Import from the bank", -1, R"HTML(
<p>Choose <b>File, Import...</b> to bring your bank's statement into the
active year instead of typing it. The &quot;Import&quot; window reads
OFX and QFX (the files banks call &quot;Money&quot;, &quot;Quicken&quot; or
&quot;OFX&quot; downloads), QIF and CSV (comma-separated) statements, and
the comma file of the program's own <a href="#export">export</a>. The kind
of file is recognised from what it holds.</p>
<ol>
<li>Type the file's name into the file box and press Enter, or press
<b>Browse...</b> to pick it in the working folder or elsewhere.</li>
<li>For a CSV file, the <b>CSV columns</b> frame shows which column holds
what, counted from 1 (0 for none): the delimiter (comma, semicolon or tab),
the header lines to skip, the date column and its order (MDY, DMY or YMD),
either one amount column or a debit column (money out) and a credit column
(money in), whether amounts use a decimal comma, the note columns (for
example &quot;3 4&quot;, joined by a blank) and a column with category codes.
Every change reads the preview again. The columns are remembered for files
whose first line is the same, and offered the next time.</li>
<li>The preview lists one row per statement line: a tick, the date and the
note as they will be stored (40 characters), the amount, the category and
the state. &quot;new&quot; rows are ticked; a &quot;duplicate&quot; (the same
date, amount and note is already in the year or earlier in the file, or the
bank's transaction number was imported before) is not, but may be ticked;
&quot;other year&quot; and &quot;error&quot; rows cannot be imported.</li>
<li>Each row gets the category of the newest entry of the year with the same
note (capitals ignored), else of the newest entry whose note starts with the
same word, else the <b>Default category</b>. Double-click a category to
choose another.</li>
<li>Press <b>Import</b>. The ticked rows are written into the year in one
step and a message counts what was imported and skipped. <b>Cancel</b>
closes the window without writing.</li>
</ol>
<p>A QIF file's dates are read in your date order (Options, Date Format).
A file that is not a statement, is cut short or is larger than 100 MiB is
refused with a message naming the file and the line; nothing is written.</p>
)HTML"},

    TopicText{"calculator", "Calculator", -1, R"HTML(
<p>Choose <b>File, Calculator</b> to open &quot;TinyCalc&quot;, a small
calculator for quick sums while you enter data. The main screen stays in
use beside it.</p>
<ol>
<li>Type the first number in the upper box and the second in the lower
box.</li>
<li>Choose the operation with <b>+</b>, <b>-</b>, <b>x</b> or <b>/</b>; the
one chosen is shown between the boxes.</li>
<li>Press <b>=</b> to see the result.</li>
</ol>
<p><b>result on top</b> moves the result into the upper box and empties the
lower one, so you can go on calculating with it. <b>C</b> clears both
numbers and the result; the operation stays. <b>File, Exit</b> closes the
calculator.</p>
<p>Numbers use a point as the decimal mark; a box that does not start with
a number counts as 0. Results have about seven significant digits.
&quot;Division by zero&quot; and &quot;Overflow&quot; say that no result
could be computed.</p>
)HTML"},

    TopicText{"date-format", "Date format and conversion", -1, R"HTML(
<p>Dates are written month first (<b>MM-DD-YY</b>, as 03-15-26) or day first
(<b>DD-MM-YY</b>, as 15-03-26). The choice decides how you type dates in the
entry editor and the macro controls, and how dates are read by reports, the
export and the sorter.</p>
<h3>Date Format</h3>
<p>Choose <b>Options, Date Format</b>. The program shows the current format
and asks whether to change to the other one; <b>Yes</b> changes it and
keeps the choice for the next start. When the active year holds entries,
the program then asks at once whether to swap month and day in them (the
Date Coverter's question): answer <b>Yes</b> so that the stored dates read
right in the new order.</p>
<h3>Date Coverter</h3>
<p>Choose <b>Options, Date Coverter</b> and answer <b>Yes</b> at &quot;Swap
place of month and day in this year's data?&quot;. Month and day change
places in every entry of the active year, and the whole year is listed
again. Running it twice gives back the dates you started with.</p>
<p><b>To switch to the other date order</b>, change the format once (the
active year is converted with it), then convert every other year that has
entries: select each year in turn (see
<a href="#year-selection">Year selection</a>) and run the converter once
for it.</p>
)HTML"},

    TopicText{"passcode-username", "Passcode and user name", -1, R"HTML(
<h3>User Name</h3>
<p>Choose <b>Options, User Name</b> and type the name to show on your
reports (up to 28 characters; a longer name is cut). Cancel keeps the name
you have.</p>
<h3>Pass Code</h3>
<p>A passcode keeps others from opening your ledger. Choose <b>Options, Pass
Code</b> or press the <b>Passcode</b> toolbar button and type up to four
digits. Only the digits 0 to 9 are taken: anything else gives &quot;Bad
Code! Try again...&quot; and the passcode stays as it was. The program
confirms the new code with &quot;Your passcode is set to: ...&quot;; leading
zeros are dropped, so 0042 is set as 42.</p>
<p>From the next start on, the program asks &quot;Passcode?&quot; before it
opens. After a wrong answer it says &quot;Incorrect code. Try again.&quot;;
after the third it says &quot;Sorry, three strikes and yer out!&quot; and
ends.</p>
<p>To remove the passcode, set it to <tt>0</tt>.</p>
)HTML"},

    TopicText{"notes", "Notes", -1, R"HTML(
<p>Each year has a notes file of its own for anything you want to write
down: account numbers to look up, plans, reminders. Choose <b>Edit,
Notes</b> or press the <b>Notes</b> toolbar button to open the active year's
notes (for 2026 the file <tt>2026_cwk.nts</tt>) in the system's text
editor. The
file is made empty the first time. Save it in the editor when you are
done.</p>
<p>The notes files are copied by the <a href="#backup">backup</a>.</p>
)HTML"},

    TopicText{"files", "Your files", -1, R"HTML(
<p>Coinwick 2 keeps everything in the folder it is started in:</p>
<table border="1" cellpadding="3" cellspacing="0">
<tr><th>File</th><th>Holds</th></tr>
<tr><td><tt>2026CWK.DAT</tt></td><td>the entries of 2026 (one file per year)</td></tr>
<tr><td><tt>2026CATS.DAT</tt></td><td>the categories of 2026</td></tr>
<tr><td><tt>PERSONAL.DAT</tt></td><td>your name, passcode and date format</td></tr>
<tr><td><tt>*.MCR</tt></td><td>your macro files</td></tr>
<tr><td><tt>2026_cwk.nts</tt></td><td>the notes of 2026</td></tr>
<tr><td><tt>IMPORT.INI</tt></td><td>the CSV columns and the bank transaction numbers the import remembers</td></tr>
</table>
<p>Files ending in <tt>.$$$</tt> are the program's work files; they are
removed when the work is done, and any left by a crash are removed at the
next start. Every change is written completely before it replaces the old
file, so an interruption never leaves a damaged ledger; a category re-code
interrupted between the category file and the entries is finished at the
next start.</p>
<p>A changed file keeps its permissions; new files are readable and
writable by you only. A data or category file you made read-only is not
changed: the change is refused with a message. A file that is a link is
changed where the link leads. A pipe, a folder or a file far too large for
what its name says is refused with a message naming it.</p>
<p>Only one copy of the program can work in a folder at a time; a second
one says &quot;Coinwick 2 is already running in this folder.&quot; and
ends.</p>
)HTML"},

    TopicText{"menu-file", "File menu", HelpContext::FileMenu, R"HTML(
<ul>
<li><b>Calculator</b>: a small calculator (<a href="#calculator">Calculator</a>).</li>
<li><b>Sort</b>: puts the active year's entries back in order (<a href="#sorter">Data file sorter</a>).</li>
<li><b>Select Year</b>: makes another year the active one (<a href="#year-selection">Year selection</a>).</li>
<li><b>Backup</b>: copies your files to another folder (<a href="#backup">Backup</a>).</li>
<li><b>Import...</b>: brings a bank statement into the active year (<a href="#import">Import from the bank</a>).</li>
<li><b>Exit</b>: ends the program (Ctrl+Q). Everything you stored is already
saved.</li>
</ul>
)HTML"},

    TopicText{"menu-edit", "Edit menu", HelpContext::EditMenu, R"HTML(
<ul>
<li><b>Undo</b>: takes back the last change to the year's files (Ctrl+Z): an
entry saved, replaced or deleted, a category made, re-coded or deleted, a macro
played, a sort, a date conversion or an import. Up to 20 changes of this
session can be taken back, newest first. When a file was changed since (by the
program or by anything else), Undo says so and changes nothing. While you type
in a box, Ctrl+Z takes back your typing instead.</li>
<li><b>Redo</b>: gives back what Undo took back (Ctrl+Shift+Z), until you make
another change.</li>
<li><b>New Line Item</b>: adds an entry (Ctrl+N; <a href="#entry-editor">Entry editor</a>).</li>
<li><b>New Category</b>: adds a category (<a href="#category-editor">Category editor</a>).</li>
<li><b>Change Category</b>: changes or deletes the category chosen in the
category list (<a href="#category-editor">Category editor</a>).</li>
<li><b>Notes</b>: opens the active year's notes (<a href="#notes">Notes</a>).</li>
</ul>
)HTML"},

    TopicText{"menu-search", "Search menu", HelpContext::SearchMenu, R"HTML(
<ul>
<li><b>Find a word</b>: finds a word in the notes of the listed entries
(Ctrl+F; <a href="#find">Find a word</a>).</li>
</ul>
)HTML"},

    TopicText{"menu-macros", "Macros menu", HelpContext::MacrosMenu, R"HTML(
<ul>
<li><b>Show Macro Controls</b>: shows the panel to make, edit and play macro
files (<a href="#macros">Macro functions</a>).</li>
</ul>
)HTML"},

    TopicText{"menu-options", "Options menu", HelpContext::OptionsMenu, R"HTML(
<ul>
<li><b>User Name</b>: the name printed on your reports (<a href="#passcode-username">Passcode and user name</a>).</li>
<li><b>Pass Code</b>: the passcode asked for at start-up (<a href="#passcode-username">Passcode and user name</a>).</li>
<li><b>Date Format</b>: month first or day first (<a href="#date-format">Date format and conversion</a>).</li>
<li><b>Date Coverter</b>: swaps month and day in the stored dates of the
active year (<a href="#date-format">Date format and conversion</a>).</li>
</ul>
)HTML"},

    TopicText{"menu-help", "Help menu", HelpContext::HelpMenu, R"HTML(
<ul>
<li><b>Contents</b>: opens this help at its contents. The <b>Help</b> toolbar
button does the same.</li>
<li><b>About</b>: shows the program's name and version.</li>
</ul>
<p>F1 opens the help at the topic of the part of the screen you are working
in: the entry editor, the category editor, the year selection, the macro
controls, or an open menu. The <b>Help</b> button of the reports window
opens the <a href="#reports">Reports window</a> topic.</p>
<p>The help window stays open beside the program until you close it; it
closes with the main screen.</p>
)HTML"},
};

QString topicAnchor(const TopicText& t) { return QString::fromLatin1(t.anchor); }
QString topicTitle(const TopicText& t) { return QString::fromLatin1(t.title); }

// The menus in menu-bar order, each linked to the topic of its help context
// number (the Reports command opens the reports window, so it links there).
struct MenuLink {
    int contextId;
    const char* name;
};
constexpr std::array kMenus = {
    MenuLink{HelpContext::FileMenu, "File"},       MenuLink{HelpContext::EditMenu, "Edit"},
    MenuLink{HelpContext::SearchMenu, "Search"},   MenuLink{HelpContext::MacrosMenu, "Macros"},
    MenuLink{HelpContext::ReportsMenu, "Reports"}, MenuLink{HelpContext::OptionsMenu, "Options"},
    MenuLink{HelpContext::HelpMenu, "Help"},
};

QString linkItem(const QString& anchor, const QString& title)
{
    return QStringLiteral("<li><a href=\"#%1\">%2</a></li>\n").arg(anchor, title.toHtmlEscaped());
}

// The contents: a link to every topic other than the menu topics, then one
// link per menu.
QString contentsBody()
{
    QString html = QStringLiteral(
        "<p>Coinwick 2 keeps your personal cash-flow ledger: money in and "
        "money out, by date and category, one ledger per year. Choose a "
        "topic, or press F1 anywhere in the program for the help on what "
        "you are doing.</p>\n<h3>Topics</h3>\n<ul>\n");
    for (const TopicText& t : kTopics) {
        const QString anchor = topicAnchor(t);
        if (anchor != kHelpContentsAnchor && !anchor.startsWith(QLatin1String("menu-")))
            html += linkItem(anchor, topicTitle(t));
    }
    html += QStringLiteral("</ul>\n<h3>Menus</h3>\n<ul>\n");
    for (const MenuLink& m : kMenus)
        html += linkItem(helpAnchorFor(m.contextId), QString::fromLatin1(m.name) + QStringLiteral(" menu"));
    return html + QStringLiteral("</ul>\n");
}

} // namespace

QList<HelpTopic> helpTopics()
{
    QList<HelpTopic> topics;
    topics.reserve(int(kTopics.size()));
    for (const TopicText& t : kTopics)
        topics.append(HelpTopic{topicAnchor(t), topicTitle(t), t.contextId});
    return topics;
}

QString helpDocumentHtml()
{
    QString html = QStringLiteral(
        "<html><head><style>"
        "h2 { margin-top: 18px; } h3 { margin-bottom: 2px; } "
        "p.back { font-size: small; }"
        "</style></head><body>\n");
    for (const TopicText& t : kTopics) {
        const QString anchor = topicAnchor(t);
        // The anchor holds the heading's text: an empty anchor is lost when
        // Qt parses the document.
        html += QStringLiteral("<h2><a name=\"%1\">%2</a></h2>\n").arg(anchor, topicTitle(t).toHtmlEscaped());
        if (anchor == kHelpContentsAnchor) {
            html += contentsBody();
            continue;
        }
        html += QString::fromUtf8(t.body);
        html += QStringLiteral("<p class=\"back\"><a href=\"#contents\">Back to the contents</a></p>\n<hr/>\n");
    }
    html += QStringLiteral("</body></html>\n");
    return html;
}

QString helpAnchorFor(int contextId)
{
    if (contextId >= 0) {
        for (const TopicText& t : kTopics)
            if (t.contextId == contextId)
                return topicAnchor(t);
    }
    return kHelpContentsAnchor;
}

QString helpTitleFor(const QString& anchor)
{
    for (const TopicText& t : kTopics)
        if (topicAnchor(t) == anchor)
            return topicTitle(t);
    return QString();
}

Message aboutMessage()
{
    return {kProgramTitle + QStringLiteral("\nVersion ") + kProgramVersion
                + QStringLiteral("\n\nA personal cash-flow ledger."),
            QStringLiteral("About ") + kProgramTitle, Message::Icon::None};
}

} // namespace cw
