#pragma once

class CEffectCommandLineInfo;
class CParticleApp;

// Starts the desktop editor: window, preview and message loop.
int RunDesktop(int argc, char** argv, const CEffectCommandLineInfo& cmdInfo, CParticleApp& app);
