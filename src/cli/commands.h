#pragma once
// pyxaro-cli's commands. Each takes the arguments after its name, prints its result on
// standard output and returns the exit status; failures are thrown as CliFailure.
#include "cli/cli_common.h"

namespace px {

int NewCommand(const Args& args);        // new OUT
int InfoCommand(const Args& args);       // info FILE
int DumpCommand(const Args& args);       // dump FILE
int RoundtripCommand(const Args& args);  // roundtrip IN OUT
int DemoCommand(const Args& args);       // demo OUT
int DescribeCommand(const Args& args);   // describe X Y
int ReportCommand(const Args& args);     // report FILE --person ID
int PositionsCommand(const Args& args);  // positions FILE [--from S] [--to T] [--csv]
int MidiCommand(const Args& args);       // midi FILE [--offset STEPS]
int PlayCommand(const Args& args);       // play FILE [--from S] [--ticks N]
int SpotsCommand(const Args& args);      // spots FILE [--step N]
int RenderCommand(const Args& args);     // render FILE --step N -o OUT [--width W] [--height H] [--3d]
int PrintCommand(const Args& args);      // print FILE -o OUT.pdf
int ApplyCommand(const Args& args);      // apply IN SCRIPT -o OUT

}  // namespace px
