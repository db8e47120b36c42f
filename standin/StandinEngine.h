#pragma once
// The stand-in accounting engine (to come).
