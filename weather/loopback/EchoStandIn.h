#pragma once

// A stand-in for the online check's echo socket, so that tests, benchmarks and screenshots
// choose between online and offline without sending anything.

// From now on every echo is answered (Answer) or goes unanswered.
void AnswerEcho(bool Answer);
