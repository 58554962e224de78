#pragma once

// The status-bar prompt and the tooltip of a command; empty when it has none.
struct CommandPrompt {
    const char* prompt;
    const char* tooltip;
};

CommandPrompt PromptFor(int commandId);

// The idle text of the status bar's message pane.
inline constexpr const char* kIdleMessage = "Ready";
