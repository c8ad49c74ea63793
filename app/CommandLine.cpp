#include "app/CommandLine.h"

juce::StringArray tokeniseCommandLine (const juce::String& commandLine)
{
    juce::StringArray tokens;

    for (auto& token : juce::StringArray::fromTokens (commandLine, " ", "\"'"))
    {
        // The framework quotes a parameter that holds a space; the quotes are not part of it,
        // or a file name with a blank would never end in ".dmg".
        auto enclosedInQuotes =
            token.length() >= 2 && (token[0] == '"' || token[0] == '\'') && token.getLastCharacter() == token[0];
        auto word = enclosedInQuotes ? token.substring (1, token.length() - 1) : token;

        if (word.isNotEmpty())
            tokens.add (word);
    }

    return tokens;
}
