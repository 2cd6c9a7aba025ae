#pragma once
// tamblin-dump link [--width N] FILE X Y: opens FILE in a viewer on the headless platform
// whose window is N pixels wide (800) and 600 high, with images shown, draws it once at
// scroll 0, and prints what a click of the left button at the panel point (X, Y) follows:
//   {"hit":false}
//   {"hit":true,"url":"...","target":"..."}  the link as the viewer follows it (a server-side
//                                            map's "?x,y" included)
//   {"hit":true,"control":true}               an image input of a form

int RunLink(int argc, char** argv);
