// Object definitions: every graphic of the world folder with its ".dll" text file.
#pragma once

#include <string>

namespace vorantis {

struct Game;
struct ObjectDefinition;

void LoadObjectDefinitions(Game& game);

// Sets the record field of one definition key; unknown keys change nothing.
void ApplyObjectDefinitionKey(ObjectDefinition& definition, const std::string& key, const std::string& value);

}  // namespace vorantis
