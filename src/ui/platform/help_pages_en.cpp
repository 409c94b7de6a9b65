// The help in English: the same pages as the Turkish help, under the same names, each
// written whole in English.

#include "engine/vocabulary.h"
#include "ui/platform/help_page_parts.h"
#include "ui/platform/help_viewer.h"

#include <array>

using namespace HelpPageParts;

namespace {

constexpr std::array<const char*, OperatorTable.size()> OperatorDescriptions = {
    "opening parenthesis: grouping",
    "closing parenthesis",
    "opening square bracket: the same grouping as a parenthesis",
    "closing square bracket",
    "opening absolute value bracket: [| a |] is the absolute value of a",
    "closing absolute value bracket",
    "factorial (written after): a! = fact(a)",
    "power: a^b",
    "multiplication",
    "division",
    "integer division, cut towards zero",
    "remainder (with the sign of the left number)",
    "addition",
    "subtraction",
    "logical not: 0 when the operand is 1, otherwise 1",
    "bitwise AND of two integers",
    "bitwise OR of two integers",
    "bitwise exclusive OR of two integers",
    "1 when equal, otherwise 0",
    "1 when different, otherwise 0",
    "1 when the left is smaller, otherwise 0",
    "1 when the left is greater, otherwise 0",
    "1 when the left is smaller or equal, otherwise 0",
    "1 when the left is greater or equal, otherwise 0",
    "assignment: writes the value on the right into the variable on the left and gives that "
    "value",
};

constexpr std::array<const char*, FunctionTable.size()> FunctionDescriptions = {
    "absolute value",
    "inverse cosine (the same as arccos)",
    "inverse cosine (arc cosine), defined between −1 and 1",
    "inverse cotangent: arctan(1/x)",
    "inverse sine (arc sine), defined between −1 and 1",
    "inverse tangent (arc tangent)",
    "inverse sine (the same as arcsin)",
    "inverse tangent (the same as arctan)",
    "inverse tangent (the same as arctan)",
    "cosine",
    "cosecant: 1/sin(x)",
    "cotangent: 1/tan(x)",
    "exponential function: the same as e^x",
    "factorial; for integers only",
    "natural logarithm (base e)",
    "logarithm to base 10",
    "secant: 1/cos(x)",
    "sign: 1 when x &gt; 0, otherwise −1 (−1 for x = 0 too)",
    "sine",
    "square root: the same as x^(1/2); undefined for negative x",
    "tangent",
    "tangent (the same as tan)",
};

QString contentsBody(const QList<THelpPage>& pages)
{
    return html("<p>Velmo is a program that draws curves defined by formulas in two- and "
                "three-dimensional space. You write up to three formulas (fx, fy, fz) and "
                "choose one of nine coordinate systems; Velmo checks the formulas, compiles "
                "them, samples them over the range of the free variable and draws the curve "
                "in graph windows. The scene is turned, dragged, enlarged and shrunk with "
                "the mouse.</p>"
                "<p>To open a topic, click one of the links below, or use the "
                "<b>Contents</b> list on the left, or the <b>Index</b> tab to look for a "
                "keyword.</p>")
        + ContentsLinks(pages);
}

} // namespace

QString EnglishOperatorDescription(int operatorCode)
{
    return Described(OperatorDescriptions, operatorCode);
}

QString EnglishFunctionDescription(int functionCode)
{
    return Described(FunctionDescriptions, functionCode);
}

QList<THelpPage> BuildEnglishHelpPages()
{
    QList<THelpPage> pages;

    pages << page("ana_pencere", hcMainWindow, "Main Window",
        "main window|menu|toolbar|status bar|window layout|new window|Norvadeks.ini|"
        "shortcut keys",
        html(R"(<p>Velmo's main window is a frame of many documents. Graph windows
(<i>Ekran1</i>, <i>Ekran2</i>, ...), the <a href="velmo:kutuphane">Curve Library</a> window and
the <a href="velmo:hesaplayici">Function Calculator</a> open inside it. The frame holds the main
menu, two toolbars (<b>Standard</b> and <b>View</b>), the <a href="velmo:egri_gezgini">Curve
Explorer</a> and <a href="velmo:palet">Operator Palette</a> tool windows and the status
bar.</p>
<h3>Menus</h3>
<ul>
<li><b>File</b>: New Window (Ctrl+N), Curve Library, Save, Save As...,
<a href="velmo:grafik">Save Animation...</a>, Close, Close All, Print Preview, Print (Ctrl+P),
Printer Setup..., Exit.</li>
<li><b>Edit</b>: Copy (Ctrl+C) copies the active graph's picture to the clipboard; Delete All
deletes every curve of the active window.</li>
<li><b>View</b>: shows or hides the toolbars and the status bar; opens the
<a href="velmo:duvar_kagidi">Wallpaper...</a> window; Language chooses the program's
language.</li>
<li><b>Properties</b>: Planes (the XY, XZ and YZ planes), Drawing Style (Line or Points),
Perspective, Four Views, Animated, <a href="velmo:iz_sur">Trace</a> and
<a href="velmo:ozellikler">All Properties...</a></li>
<li><b>Look</b>: ready-made viewing directions, see <a href="velmo:bakis">Viewing
Direction</a>.</li>
<li><b>Zoom</b>: see <a href="velmo:buyukluk">Zoom</a>.</li>
<li><b>Tools</b>: Curve Explorer, Operator Palette, <a href="velmo:sayisal">Numeric
Values</a>, Function Calculator.</li>
<li><b>Window</b>: Cascade (Ctrl+Shift+F5), Tile Horizontally, Tile Vertically (Shift+F4),
Minimize All, Arrange Icons and the list of open windows.</li>
<li><b>Help</b>: Contents and Index, Find..., Using Help, About Velmo..., About the
Author...</li>
</ul>
<h3>A new graph window</h3>
<p><b>New Window</b> always takes the smallest free number: the first window becomes
<i>Ekran1</i>; when <i>Ekran2</i> is closed, the next new window takes the number 2 again. The
Curve Explorer appears together with the new window.</p>
<h3>Commands of the active window</h3>
<p>The view, zoom, plane, drawing style, copy, save and print commands always apply to the
active graph window and can be used only while the active child window is a graph window.
While the Curve Library window or the calculator is active, these commands are greyed
out.</p>
<h3>Toolbars and status bar</h3>
<p>The toolbars can be placed on any of the four edges of the frame or left floating. While the
View toolbar stands on the left or right edge, a <b>Zoom</b> button takes the place of the zoom
box. The left pane of the status bar shows the number and state of the active curve, the right
pane the hints of menus and buttons.</p>
<h3>Keeping the window layout</h3>
<p>The main window's position and size (or whether it fills the screen), whether the toolbars
and the status bar are shown, and the edge the Curve Explorer stands on are written to the file
<tt>Norvadeks.ini</tt> in the program's folder and read at the next start. When the program
cannot write to its own folder (a Velmo installed on the system) and the file is not there,
the file is kept in the user's <tt>~/.config/Velmo</tt> folder.</p>)"));

    pages << page("formul", 0, "Writing Formulas",
        "formula|writing|number|decimal separator|comma|variable|letter case|space|exponent|"
        "minus sign|assignment",
        html(R"(<p>Formulas are written as free text. Spaces and line breaks are ignored; a tab
character, however, counts as part of an expression and leads to an error.</p>
<h3>Capital and small letters</h3>
<p>Letter case does not matter: <tt>SIN(X)</tt> and <tt>sin(x)</tt> are the same formula,
<tt>X</tt> and <tt>x</tt> the same variable.</p>
<h3>Numbers</h3>
<p>The decimal separator is the one of the operating system's regional settings: a comma in
Turkish settings (<tt>1,5</tt>), a point in English settings (<tt>1.5</tt>). An <tt>e</tt> and
an exponent may follow a number: <tt>2e-3</tt> is 0.002, <tt>2e+3</tt> is 2000; <tt>2e - 3</tt>
is the same number. The program writes numbers with the same separator and 15 significant
digits. Every calculation is done in 80-bit extended precision.</p>
<h3>Variables</h3>
<p>A variable's name begins with a letter from <tt>a</tt> to <tt>z</tt>; letters, digits or
underscores (<tt>_</tt>) may follow: <tt>x1_a</tt> is valid, <tt>1x</tt>, <tt>_x</tt> and names
with Turkish letters (<tt>xş</tt>) are not. The first 50 characters of a name count.
<tt>e</tt>, <tt>pi</tt> and the names of functions cannot be variable names; <tt>e5</tt>,
however, is a variable. The free variables are <tt>x</tt>, <tt>y</tt>, <tt>a</tt>, <tt>b</tt>
or <tt>t</tt>, by coordinate system (see <a href="velmo:koordinat">Coordinate Systems</a>);
every other name in a formula holds the value 0.</p>
<h3>Operators and signs</h3>
<p>The multiplication sign must be written: <tt>2*x</tt> (not <tt>2x</tt>). A function's name
is followed by <tt>(</tt> or <tt>[</tt>: <tt>sin(x)</tt>. Word operators (<tt>div</tt>,
<tt>mod</tt>, <tt>not</tt>, <tt>and</tt>, <tt>or</tt>, <tt>xor</tt>, <tt>eq</tt>,
<tt>ne</tt>, <tt>lt</tt>, <tt>gt</tt>, <tt>le</tt>, <tt>ge</tt>) must be separated from
neighbouring names by spaces: <tt>x div y</tt> is right, <tt>xdivy</tt> is a single name.</p>
<p>A minus sign at the start of a formula, after an opening parenthesis or after an operator
belongs to the number behind it: <tt>-2^2</tt> = 4, <tt>3*-2</tt> = −6. All operators with two
operands group from left to right: <tt>2^3^2</tt> = (2^3)^2 = 64. For details see the pages
<a href="velmo:operatorler">Operators</a> and <a href="velmo:fonksiyonlar">Functions and
Constants</a>.</p>
<h3>Assignment</h3>
<p><tt>=</tt> writes the value on its right into the variable on its left and gives that
value: <tt>k=2*x</tt>. A number or a constant cannot be followed by <tt>=</tt>.</p>)"));

    pages << page("operatorler", 0, "Operators",
        "operator|precedence|div|mod|and|or|xor|not|comparison|absolute value bracket|"
        "factorial|parenthesis",
        u("<p>The operators of the formula language are listed below with their symbols, word "
          "forms and precedences. An operator of higher precedence binds more tightly.</p>")
            + OperatorTableHtml(OperatorDescriptions, "Symbol", "Word", "Operation", "Precedence")
            + html(R"(<ul>
<li><tt>mod</tt> (8) binds more loosely than <tt>*</tt>, <tt>/</tt> and <tt>div</tt> (9):
<tt>7 mod 3*2</tt> means <tt>7 mod 6</tt>.</li>
<li>Comparisons (6) bind more tightly than <tt>not</tt> (5), and <tt>not</tt> more tightly than
<tt>and</tt>, <tt>or</tt>, <tt>xor</tt>; <tt>=</tt> is the loosest of all.</li>
<li>The integer operators (<tt>div</tt>, <tt>mod</tt>, <tt>and</tt>, <tt>or</tt>,
<tt>xor</tt>, <tt>not</tt>) accept only integers in the signed 32-bit range; the factorial
integers in the 64-bit range. Any other value is a calculation error.</li>
<li><tt>5 div 2</tt> = 2, <tt>-5 div 2</tt> = −2, <tt>-5 mod 3</tt> = −2; <tt>6 and 3</tt> = 2,
<tt>6 or 3</tt> = 7, <tt>6 xor 3</tt> = 5; <tt>3!</tt> = 6.</li>
<li>There is no <tt>&lt;&gt;</tt> among the comparisons; use <tt>!=</tt> or <tt>ne</tt> for
difference.</li>
</ul>)"));

    pages << page("fonksiyonlar", 0, "Functions and Constants",
        "function|sin|cos|tan|logarithm|ln|log|fact|abs|sgn|constant|pi|number e|radian",
        u("<p>A function's argument is written in parentheses; the trigonometric functions work "
          "in radians.</p>")
            + FunctionTableHtml(FunctionDescriptions, "Function", "Computes")
            + html(R"(<h3>Constants</h3>
<ul><li><tt>pi</tt>: the number π, in full precision.</li>
<li><tt>e</tt>: 2.71828182845905 (its value to 15 decimals).</li></ul>
<p>Division by zero (for example <tt>ln(0)</tt>, <tt>arccot(0)</tt>), undefined operations
(<tt>ln(-1)</tt>, <tt>arcsin(2)</tt>, <tt>(-8)^(1/3)</tt>) and overflow (<tt>fact(3000)</tt>)
are calculation errors. While a curve is drawn, Velmo silently leaves out such a point; the
calculator shows an error message.</p>)"));

    pages << page("hatalar", 0, "Error Messages",
        "error|message|spelling error|unknown expression|parenthesis error|division by zero",
        html(R"(<p>The first error found while a formula is compiled is reported, and the faulty
part is named in the message:</p>
<table border="1" cellpadding="3" cellspacing="0">
<tr><th>Message</th><th>Meaning</th></tr>
<tr><td>No expression has been entered as the function.(Empty function entry.)</td>
<td>The formula field is empty.</td></tr>
<tr><td>Unknown expression =&gt; ...</td><td>A part that cannot be read as a number, name,
operator or function, for example <tt>$</tt> or a number with the wrong decimal
separator.</td></tr>
<tr><td>(Syntax Error) Spelling error =&gt; ...</td><td>Two parts that cannot stand side by
side: <tt>x y</tt>, <tt>2(x)</tt>, <tt>sin x</tt>, <tt>pi=3</tt> and the like.</td></tr>
<tr><td>There is a parenthesis that was never opened</td><td>A parenthesis closed without being
opened.</td></tr>
<tr><td>There is a parenthesis that was never closed</td><td>A parenthesis left
open.</td></tr>
<tr><td>The parentheses are not balanced. ...</td><td>Closing with a different kind of
parenthesis: <tt>(x]</tt>.</td></tr>
</table>
<p>Errors can come during the calculation too: when an operator that expects an integer is given
a fraction, the message "There is an operand with a value that does not suit the operator.
Operator =&gt; ..." appears; with a missing operand "(Syntax Error) Spelling error =&gt;
operand missing"; for division by zero, undefined operations and overflow the system's own
message.</p>)"));

    pages << page("koordinat", 0, "Coordinate Systems",
        "coordinate system|drawing type|XY plane|XZ plane|YZ plane|space curve|spherical|"
        "polar|cylindrical|free variable|range|point interval",
        html(R"(<p>Every curve is read in one of nine coordinate systems. The range of the free
variable is fixed by the system; you choose only the <b>Point Interval</b> (the step). The end
value is not part of the range.</p>
)")
            + CurveTypeTableHtml(
                { "Drawing type", "Variable and range", "You write", "Point" }, "to", true)
            + html(R"(<p>Angles are in radians. In the systems of two variables (the spherical system and the two
surfaces) the same step is used for both variables; the outer loop is the first variable (a,
x, u), the inner loop the second (b, y, v). The points of these systems form a grid: the
<b>Surface</b> drawing style draws the grid's rows and columns with the parts behind hidden;
<b>Shaded Surface</b> fills the cells in the curve's colour, the faces turned to the eye
lighter, and draws the lines darker. A surface also hides the parts of the window's planes,
curves and other surfaces that lie behind it. The cells around a point that cannot be
computed are not drawn: a hole is left in the surface. In the Curve Explorer the system's fixed fields (for example
<tt>X</tt> for fx and <tt>0</tt> for fz in the XY plane, <tt>R*cos(a)</tt> and
<tt>R*sin(a)</tt> in the polar system) are shown greyed out and cannot be changed.</p>
<h3>Examples</h3>
<ul><li><tt>sin(x)</tt> in the XY plane: the sine curve.</li>
<li><tt>sin(a)*cos(b)</tt>, <tt>sin(a)*sin(b)</tt>, <tt>cos(a)</tt> in the spherical system:
the unit sphere.</li>
<li><tt>2</tt> in polar coordinates: a circle of radius 2.</li>
<li><tt>cos(t)</tt>, <tt>sin(t)</tt>, <tt>t</tt> in cylindrical coordinates: a helix.</li>
<li><tt>sin(x)*cos(y)</tt> as an XYZ surface: a wavy surface.</li>
<li><tt>(3+cos(v))*cos(u)</tt>, <tt>(3+cos(v))*sin(u)</tt>, <tt>sin(v)</tt> as a parametric
surface: a torus.</li></ul>
<h3>Step and number of points</h3>
<p>The variable grows step by step from the start. A step of 0.1 gives 200 points in the XY
plane, 63 points in the polar system and 2016 points in the spherical system. Points that
cannot be computed (for example x = 0 for <tt>1/x</tt>) are left out; a formula that cannot be
computed anywhere gives an empty curve.</p>)"));

    pages << page("egri_gezgini", hcCurveExplorer, "Curve Explorer",
        "curve explorer|apply|new curve|delete curve|colour|drawing style|visibility|"
        "line thickness|preview|fx fy fz",
        html(R"(<p>The Curve Explorer is the tool window in which you edit the curves of the
active graph window; it docks on the left or right edge of the main window or floats. The
explorer has no curve of its own: it always shows the current curve of the active graph
window.</p>
<ul>
<li><b>Drawing Type</b>: the <a href="velmo:koordinat">coordinate system</a>. When the type
changes, the formula fields take the system's defaults, the Point Interval 0.1 and the line
thickness 2 (1 in the spherical system).</li>
<li><b>fx, fy, fz</b>: the formulas; their labels show the system's variables (for example
<i>fy(x):</i>). While writing a formula you can use the <a href="velmo:palet">Operator
Palette</a> window.</li>
<li><b>Drawing Colour</b>: one of 16 colours; a double click opens the colour picker.</li>
<li><b>Drawing Style</b>: Line or Points; in the systems of two variables also Surface and
Shaded Surface. <b>Visibility</b>: Visible or Hidden. A double click in these two boxes
switches to the next choice.</li>
<li><b>Point Interval</b>: the step of the free variable. The arrows beside it change it in
steps of 0.01 up to 0.1 and in steps of 0.1 above.</li>
<li><b>Line Thickness</b>: between 1 and 20 pixels.</li>
</ul>
<p>When you change a field, the <b>Apply</b> button becomes active and the status bar says
"Değisiklik" (changed). Apply compiles the formulas; if there is an error its message is
shown and what you wrote stays in place. A curve cannot be defined twice in the same
window.</p>
<p>The buttons at the top go to the first, previous, next and last curve, start a new curve,
and delete the current curve or every curve (asking first).
<b>Save...</b> writes the formulas into the <a href="velmo:kutuphane">curve library</a>,
<b>Select Curve...</b> takes formulas from the library.</p>
<h3>Preview</h3>
<p>The small picture at the bottom shows the curve you are editing on its own (even when Hidden
is chosen). Move the mouse with the left button held down to turn it; a double click opens the
preview's <a href="velmo:ozellikler">properties</a>.</p>)"));

    pages << page("grafik", 0, "Graph Windows",
        "graph window|four views|plane|grid|view axes|perspective|copy|save|bmp|print|"
        "context menu|save animation|animated picture|gif|webp|numbered png",
        html(R"(<p>Every graph window has its own list of curves and its own view: viewing
angles, zoom, centre, perspective or parallel projection, background colour, small view axes
and three planes (the grids of the XY, XZ and YZ planes). New windows take these properties
from the defaults in the file <tt>Norvadeks.ini</tt>.</p>
<h3>One view and four views</h3>
<p>The window shows the scene in one view or in <b>Four Views</b>: from the front at the top
left ("Ön"), from the top at the top right ("Üst"), from the side at the bottom left ("Yan")
and the window's own view at the bottom right. The mouse turns only the window's own view. On
every switch to four views the fractions of the angles are dropped.</p>
<h3>Drawing</h3>
<p>The planes are shown or hidden from the Properties menu or with the XY, XZ, YZ buttons of the
View toolbar. <b>Draw with Lines</b> and <b>Draw with Points</b> change the drawing style of
every curve in the window. The perspective button switches between perspective and parallel
projection.</p>
<h3>Giving the picture out</h3>
<p><b>Copy</b> puts the picture on the clipboard, <b>Save</b> and <b>Save As...</b> write it
as a picture file, <b>Print</b> prints it at the top left corner of the page. In four views the
four views are joined in one picture with dividing lines. The title of a saved window becomes
the file's name.</p>
<h3>Save Animation</h3>
<p><b>Save Animation...</b> in the File menu writes a moving picture of the graph. In the window
that opens, choose what moves: one of the window's parameters goes from a start value to an end
value (at first the parameter's range), or the view turns about its vertical axis through the
given angle (at first 360 degrees). The number of frames (60), the frames a second (20), the
picture's width and height (at first the size of the view) and the kind of file are chosen there
too: an animated GIF, an animated WebP, or numbered PNG files in a folder
(<tt>ad_001.png</tt>, <tt>ad_002.png</tt>, ...). Every frame is the window's picture at that
value or angle: four views, smooth lines, surfaces, the marks of the points of interest (found
again at every value) and every property of the window are drawn as on the screen.</p>
<p>While the frames are written a progress bar shows and the window stays usable; <b>Cancel</b>
stops the writing. An animation cancelled or not written leaves no file behind; an old file of
the same name stays as it was.</p>
<h3>Context menu</h3>
<p>The menu of the right mouse button holds Copy, Look..., Zoom..., Curve Explorer, Numeric
Values... and Properties.... A double click on the picture also opens the
<a href="velmo:ozellikler">All Properties</a> window. For turning and dragging see the page
<a href="velmo:fare">Turning with the Mouse</a>.</p>)"));

    pages << page("fare", 0, "Turning with the Mouse and Animation",
        "mouse|turning|dragging|rotation|animation|animate|flinging",
        html(R"(<p>The <b>Rotate</b> and <b>Drag</b> buttons of the View toolbar choose what the
mouse does; Rotate is chosen at the start.</p>
<ul>
<li><b>Rotate</b>: move the mouse with the left button held down. A movement of two pixels is
a turn of one degree; moving down increases the X axis angle, moving right decreases the Y
axis angle. The first 15 pixels of movement are ignored, so that a tremor does not move the
scene.</li>
<li><b>Drag</b>: while any button is held down, the centre of the scene follows the
mouse.</li>
</ul>
<h3>Flinging</h3>
<p>When you pull the mouse quickly while turning and let go (a movement longer than 80 pixels in
the last step), the scene keeps turning and stops, slowing a little at every step. Pressing
the mouse stops the turning at once.</p>
<h3>Animation</h3>
<p>The <b>Animate</b> button or <b>Animated</b> in the Properties menu keeps turning the scene.
A window that has never been turned turns by 5 degrees about both axes at every step; when it
is started after a fling, that speed slows below 10 degrees and goes on so. While the mouse is
pressed the motion stops, and it goes on when the mouse is let go. The time between steps is
set in the <a href="velmo:ozellikler">All Properties</a> window.</p>)"));

    pages << page("iz_sur", 0, "Reading a Curve: Coordinates and Tracing",
        "trace|tracing|coordinate|marker|cursor|point value|wheel|fit to curves|"
        "points of interest|zero|maximum|minimum|intersection",
        html(R"(<h3>The coordinates under the mouse</h3>
<p>While perspective is off, in a view from the front, the top or the side the status bar shows
the two coordinates in that plane of the point under the mouse (<tt>x = 1.25  y = −0.75</tt>);
as many decimals as a pixel tells apart at that zoom, at least two. A turned or perspective
view shows no coordinates. In four views each view reads its own plane.</p>
<h3>Trace</h3>
<p><b>Trace</b> in the Properties menu, or its button on the View toolbar, turns tracing on in
the active window; every window keeps its own state. A small plus sign stands on a point of the
current curve, and the status bar shows the free variable(s) and the point's coordinates with
15 significant digits
(<tt>t = 1.5  x = 0.997494986604054  y = 0.0707372016677029  z = 0.75</tt>).</p>
<ul>
<li>Move the mouse over a view: the marker goes to the point nearest to the mouse on screen.
A click holds the marker where it is, a second click lets it go.</li>
<li>The left and right arrows move one point, with Shift ten points; Home and End go to the
start and the end of the curve. On spherical curves and surfaces the up and down arrows go
to the neighbouring value of the other variable.</li>
<li>Page Up and Page Down make the previous or next visible curve current; the marker goes to
its point nearest to the old place.</li>
<li>Ctrl+C copies the text to the clipboard; Esc turns tracing off.</li>
</ul>
<p>Points left out because they cannot be computed cannot hold the marker. Turning, dragging,
zooming and animation work while tracing too; the marker stays on its point. The marker does
not go into a copied, saved or printed picture.</p>
<h3>Points of Interest</h3>
<p><b>Points of Interest</b> in the Properties menu, or its button on the View toolbar, marks in
the active window the current curve's zeros (○), its largest (△) and smallest (▽) values and
its intersections (×) with the visible curves of the same plane type, in the curve's colour;
every window keeps its own state. The points are found from the formulas, not from the drawn
points, and are computed again when the curve, the current curve or a parameter changes. The
marks are in the copied, saved and printed picture too.</p>
<p>While tracing, <b>Ctrl+Right</b> and <b>Ctrl+Left</b> take the marker along the free variable
to the next or previous point of interest (even when the marks are not shown); the status bar
names the kind of the point (<tt>Maximum: x = -1  y = 2</tt>). At the last point the key does
nothing. The <b>Points of Interest</b> page of the Numeric Values window gives the same points
as a table.</p>
<h3>The wheel and Fit to Curves</h3>
<p>The mouse wheel enlarges and shrinks the picture by the steps of <b>Zoom In</b> and
<b>Zoom Out</b>; the point under the mouse stays in place. <b>Fit to Curves</b> in the Zoom menu
brings the visible curves, at the current viewing angle, to the size that fills the window with
a margin of 5% at the edges, and to its middle. See <a href="velmo:buyukluk">Zoom</a>.</p>)"));

    pages << page("bakis", hcViewDialog, "Viewing Direction",
        "look|viewing angle|front|top|side|perspective view|rotation angles",
        html(R"(<p>The <b>Look</b> menu and the View toolbar offer ready-made viewing directions
(angles in degrees, X axis and Y axis):</p>
<table border="1" cellpadding="3" cellspacing="0">
<tr><th>Look</th><th>X axis</th><th>Y axis</th></tr>
<tr><td>Perspective</td><td>15</td><td>30</td></tr>
<tr><td>Front</td><td>0</td><td>0</td></tr>
<tr><td>Top</td><td>90</td><td>0</td></tr>
<tr><td>Side</td><td>0</td><td>−90</td></tr>
</table>
<p>The <b>Other...</b> command and <b>Look...</b> in the context menu open the <i>View</i>
window, in which you write the angles yourself. The window shows the graph's current angles as
whole numbers; the <b>Front</b>, <b>Top</b> and <b>Side</b> choices bring the angles to the
values above. <b>OK</b> applies the angles, <b>Cancel</b> changes nothing. In four views the
look changes only the window's own view.</p>)"));

    pages << page("buyukluk", hcZoomDialog, "Zoom",
        "zoom|zoom in|zoom out|enlarge|percent|fit width|fit height|actual size",
        html(R"(<p>A graph's zoom is shown as a percentage; new windows open at 100%.</p>
<ul>
<li><b>Zoom In</b> (Ctrl+Up arrow) makes the picture twice as large, <b>Zoom Out</b> (Ctrl+Down
arrow) half as large.</li>
<li>Choose a value from the zoom box of the View toolbar, or write a number followed at once by
<tt>%</tt> (<tt>150%</tt>); the Enter key adds the percent sign itself.</li>
<li>25%, 75%, 100%, 200% and 400% in the Zoom menu are fixed sizes; <b>Actual Size</b> is
100%.</li>
<li><b>Fit Width</b> and <b>Fit Height</b> bring the active window to the width or height of the
main window's free area and change the zoom in the same ratio.</li>
<li><b>Fit to Curves</b> fits the visible curves into the window; the mouse wheel zooms in and
out keeping the point under the mouse in place; Ctrl+0 is <b>Actual Size</b>. See
<a href="velmo:iz_sur">Reading a Curve</a>.</li>
</ul>
<p><b>Other...</b>, a double click on the zoom box and <b>Zoom...</b> in the context menu open
the <i>Zoom</i> window: choose a ratio (400%, 200%, 100%, 75%, 25%) or write the value you want
in the <b>Percent</b> field and press <b>OK</b>.</p>)"));

    pages << page("sayisal", hcNumericValues, "Numeric Values",
        "numeric values|points|total|absolute total|curve no",
        html(R"(<p>The <i>Numeric Values</i> window lists the generated points of a curve of the
active graph window in a table with their x, y and z values. Below, the total of each
coordinate and the total of their absolute values are shown; totals that mean nothing for the
curve's type are hidden. At the top are the curve's type, formulas and point interval, beside
them a small picture of the curve that turns with the mouse.</p>
<p>The <b>Curve No</b> field and the first, previous, next and last buttons move among the
window's curves. The window only reads; it changes nothing in the curves. <b>Close</b> closes
the window.</p>)"));

    pages << page("palet", hcOperatorPalette, "Operator Palette",
        "operator palette|palette|operator buttons|putting in parentheses",
        html(R"(<p>The <i>Operator Palette</i> window helps you write formulas by clicking. A
button's text is added at the <b>end</b> of the formula field that last had the keyboard focus
(the fx, fy, fz fields of the Curve Explorer or the calculator's Function field); the place of
the cursor and the selected text do not matter. While no formula field has had the focus yet,
the buttons do nothing.</p>
<p>The buttons stand in five groups: Arithmetic Operators, Logical Operators, Parentheses,
Functions and Constants. The arrow in a group's heading closes or opens the group; a closed
group's place closes up. Word operators (<tt>div</tt>, <tt>mod</tt>, <tt>not</tt>, ...) are
added with a space on each side, functions with their opening parenthesis: the <tt>sin</tt>
button writes <tt>sin(</tt>.</p>
<p>The <b>(...)</b> and <b>[...]</b> buttons put the field's whole text in parentheses. For
example, in an empty field <tt>sin</tt>, then <tt>x</tt> from the keyboard, then <b>(...)</b>
makes the text <tt>(sin(x)</tt>: one parenthesis stays open and is reported when the formula is
applied. The buttons of the absolute value brackets cannot be used; you can type these
brackets on the keyboard.</p>
<p>The window is shown and hidden with <b>Operator Palette</b> in the Tools menu and with the
<b>Op</b> button of the Standard toolbar.</p>)"));

    pages << page("hesaplayici", hcCalculator, "Function Calculator",
        "calculator|function calculator|calculate|function tree|postfix|variable value",
        html(R"(<p>The <i>Function Calculator</i> computes the value of a single formula; it
draws no curve. It opens with <b>Function Calculator</b> in the Tools menu; only one calculator
can be open at a time.</p>
<ol>
<li>Write the formula in the <b>Function</b> field, for example <tt>x^2+y</tt>. While this field
has the focus, the <a href="velmo:palet">Operator Palette</a> buttons write into it.</li>
<li>Write the names of the variables in the <b>Variable</b> column of the table and their values
in the <b>Value</b> column (<tt>x</tt> 3, <tt>y</tt> 1). Letter case does not matter in names;
values are written with the decimal separator of your regional settings. The table ends at the
first empty name cell.</li>
<li>Press <b>Calculate</b>. <b>Function Tree</b> shows the compiled (postfix) form of the
formula, for example <tt>x 2 ^ y + </tt>, <b>Result</b> the value (here 10).</li>
</ol>
<p>The formula is compiled again only when its text changes; when compiled, every variable
becomes 0. Variables not in the table stay at 0 or at their values from an earlier
calculation. A value that cannot be read as a number is skipped; a name not in the formula has
no effect.</p>
<p>A compilation or calculation error is reported with a message; the Function Tree and Result
fields keep their earlier contents. Pressing Calculate again on a faulty formula compiles it
again and reports the error again. Closing the calculator deletes it with its formula and
variables; a calculator opened again starts empty. The Esc key works like
<b>Close</b>.</p>)"));

    pages << page("ozellikler", hcProperties, "All Properties",
        "all properties|properties|background colour|default properties|grid colour|"
        "animation interval|view axes",
        html(R"(<p>The <i>All Properties</i> window edits the look of a graph window. It opens
from the Properties menu, the toolbar, the context menu or with a double click on the graph; a
double click on the Curve Explorer's preview opens the preview's properties.</p>
<h3>General</h3>
<ul>
<li><b>View Axes</b>: the colour and visibility of the small axes.</li>
<li><b>Background Colour</b>, <b>Perspective</b> (On or Off) and the <b>Animation Drawing
Interval</b> (between 1 and 5000, in thousandths of a second).</li>
<li><b>Make these properties the Default Properties</b>: when OK is pressed the values are
written into the file <tt>Norvadeks.ini</tt> and new windows open with them.</li>
<li><b>Load the Default Properties</b>: brings the defaults of the file into the window.</li>
</ul>
<h3>Planes</h3>
<p>For each of the XY, XZ and YZ planes the grid colour, the line thickness (1 to 20) and the
visibility. The colour and thickness of a hidden plane are greyed out.</p>
<p>A double click on a colour box opens the colour picker, on a box of two choices brings the
other choice. <b>OK</b> applies the changes, <b>Cancel</b> changes nothing.</p>)"));

    pages << page("kutuphane", hcCurveLibrary, "Curve Library",
        "curve library|library|curve selection|CurvedLines.db|comment",
        html(R"(<p>The curve library keeps the formulas of curves with their type, fx, fy, fz and
a comment; a second record with the same type and formulas cannot be made. The records are in
the table <tt>CurvedLines.db</tt> in the folder the program runs in, the type names in the table
<tt>CLTypes.DB</tt>. When <tt>CurvedLines.db</tt> is not in that folder and the program cannot
write to its own folder (a Velmo installed on the system), the two tables are created and kept
in the user's <tt>~/.local/share/Velmo</tt> folder.</p>
<ul>
<li><b>Curve Library</b> in the File menu opens the library in a child window. Records are
edited in the table; <b>Save</b> writes the record being edited, <b>Undo</b> takes the edit
back, the navigation bar moves among the records, adds and deletes records.</li>
<li>The <b>Drawing Type</b> list limits the table to the curves of one coordinate system.</li>
<li>The four small pictures on the right show the current record from the front, the top, the
side and in perspective; the perspective picture turns with the left button. The buttons choose
one view to show large; the colours and the planes are changed here too.</li>
<li><b>Save...</b> in the Curve Explorer writes the explorer's formulas into the library;
<b>Select Curve...</b> opens the library as the <i>Curve Selection</i> window: double-click a
record or press OK, and its formulas come into the explorer.</li>
</ul>)"));

    pages << page("duvar_kagidi", hcWallpaper, "Wallpaper",
        "wallpaper|background picture|tiled|stretched|bmp",
        html(R"(<p>A wallpaper shows in the free area of the main window, behind the graph windows.
<b>Wallpaper...</b> in the View menu or a double click on the free area opens the
<i>Wallpaper Properties</i> window.</p>
<ul>
<li><b>File Name</b>: choose a bitmap file (*.bmp).</li>
<li><b>Display Style</b>: a single copy in the middle, in the corners or in the middle of the
edges, <b>Tiled</b> (repeated over the whole area) or <b>Stretched</b> (stretched over the
area).</li>
<li>While <b>Do Not Use a Wallpaper</b> is ticked, no wallpaper is shown.</li>
</ul>
<p>The chosen file is not kept; at every start the program's own picture comes, tiled.</p>)"));

    pages << page(HelpOnHelpPage, 0, "Using Help", "help|using help|contents|index|search|find|F1",
        html(R"(<p>The help window has two tabs on its left:</p>
<ul>
<li><b>Contents</b>: the list of every topic. Click a topic to open it.</li>
<li><b>Index</b>: keywords. Write a word in the field at the top; the list narrows to the
keywords that contain it. When no keyword matches, the topics whose text holds the word are
listed. Click a line or press Enter.</li>
</ul>
<p>The topic's text shows on the right. Underlined links lead to other topics; the <b>Back</b>
and <b>Forward</b> buttons move among the topics you opened.</p>
<p>A window's <b>Help</b> button (and the F1 key) opens that window's topic directly.
<b>Contents and Index</b> in the Help menu opens this window at the contents, <b>Find...</b> at
the index. The help window can stay open beside the other windows.</p>)"));

    pages.prepend(page(
        "icindekiler", 0, "Contents", "contents|topics|Velmo|introduction", contentsBody(pages)));
    return pages;
}
