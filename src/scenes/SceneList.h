#pragma once
#include <memory>
#include <vector>

#include "scenes/Scene.h"

// Constructs the fourteen scenes in index order (constructors only; nothing is loaded).
std::vector<std::unique_ptr<Scene>> BuildSceneList();
