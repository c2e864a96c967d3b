#include "app/App.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>

#include <GLFW/glfw3.h>
#include <glad/gl.h>
#include <imgui.h>
#include <imgui_impl_glfw.h>
#include <imgui_impl_opengl3.h>

#include "app/CommandLine.h"
#include "app/DataCheckRunner.h"
#include "audio/SoundSystem.h"
#include "engine/Engine.h"
#include "engine/FpsOverlay.h"
#include "engine/FrameClock.h"
#include "engine/GlContext.h"
#include "engine/Input.h"
#include "engine/Log.h"
#include "engine/Random.h"
#include "engine/Window.h"
#include "meta/BattleSetup.h"
#include "meta/Config.h"
#include "meta/SaveFolder.h"
#include "meta/SetupHook.h"
#include "scenes/SceneSystem.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

// The first SIGINT/SIGTERM ends the run in order at the end of the frame; any second one ends a
// stuck process at once, with the usual status for that signal.
void OnStopSignal(int signal)
{
    if (stopRequested) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    stopRequested = 1;
}

// A crash writes what the log still holds before the process dies with the same signal.
void OnFatalSignal(int signal)
{
    if (Log* log = Log::Get()) log->Flush();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void InstallSignalHandlers()
{
    for (int fatal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) std::signal(fatal, OnFatalSignal);
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

// Data, assets and the log live beside the executable, wherever the game is started from.
void MoveToExecutableFolder()
{
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) std::filesystem::current_path(exe.parent_path(), ec);
}

void StartImGui(GLFWwindow* window)
{
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.ConfigFlags |= ImGuiConfigFlags_NavEnableKeyboard | ImGuiConfigFlags_NoMouseCursorChange;
    io.IniFilename = nullptr;
    ImGui_ImplGlfw_InitForOpenGL(window, true);
    ImGui_ImplOpenGL3_Init();
}

void StopImGui()
{
    ImGui_ImplOpenGL3_Shutdown();
    ImGui_ImplGlfw_Shutdown();
    ImGui::DestroyContext();
}

void SetFixedRenderState()
{
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glEnable(GL_PROGRAM_POINT_SIZE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void BuildSystems(const Options& options)
{
    Engine& engine = Engine::Instance();
    engine.systems.push_back(Log::Create("Log.txt"));
    engine.systems.push_back(CreateSoundSystem());
    auto scenes = std::make_unique<SceneSystem>();
    if (options.scene) scenes->setFirstScene(*options.scene);
    engine.systems.push_back(std::move(scenes));
}

void RunFrame(GLFWwindow* window, FrameClock& clock)
{
    glfwPollEvents();
    SceneSystem* scenes = SceneSystem::Instance();
    long changesBefore = scenes ? scenes->changeCount() : 0;
    input::ScrollCameraByKeys(scenes ? scenes->camera() : nullptr);
    ImGui_ImplOpenGL3_NewFrame();
    ImGui_ImplGlfw_NewFrame();
    ImGui::NewFrame();
    FrameClock::Frame frame = clock.Tick(glfwGetTime());
    float dt = frame.dt;
    float fps = 1.0f / frame.measured;
    print("Main: FPS: ", fps);
    int first = glfwGetKey(window, GLFW_KEY_L);
    int second = glfwGetKey(window, GLFW_KEY_L);
    if (input::StickyToggle(first, second)) Input().showFpsOverlay = !Input().showFpsOverlay;
    if (Input().showFpsOverlay) DrawFpsOverlay(fps);
    if (glfwWindowShouldClose(window) || stopRequested) Engine::Instance().running = false;
    Engine::Instance().UpdateSystems(dt);
    Engine::Instance().RenderSystems();
    ImGui::Render();
    ImGui_ImplOpenGL3_RenderDrawData(ImGui::GetDrawData());
    glfwSwapBuffers(window);
    if (Log* log = Log::Get()) log->Flush();
    // A scene change loaded its content inside this frame: that time is not the next frame's.
    if (scenes && scenes->changeCount() != changesBefore) clock.Restart(glfwGetTime());
}

// `--cpu D` and `--autoplay` hand sides of the battle to the computer.
void ApplyComputerOptions(const Options& options)
{
    if (options.cpu) {
        BattleSetup.cpuEnabled = true;
        BattleSetup.aiDifficulty = *options.cpu;
    }
    if (options.autoplay) {
        BattleSetup.cpuEnabled = true;
        BattleSetup.autoplay = true;
    }
}

int RunGame(const Options& options, const std::string& startSetup)
{
    if (!glfwInit()) return -1;
    GLFWwindow* window = CreateGameWindow();
    if (!window) {
        glfwTerminate();
        return -1;
    }
    forceWindowed = options.windowed;
    LoadConfigAndProfile(window);
    // Loading reset the battle set-up record; the test hook fills it before any scene reads it.
    if (!startSetup.empty()) ApplySetupHook(startSetup, BattleSetup);
    ApplyComputerOptions(options);
    ConnectBattleSetupToRenderer();
    Resolution resolution = GetConfiguredResolution();
    GameWindow() = window;
    glfwSetInputMode(window, GLFW_STICKY_KEYS, GLFW_TRUE);
    // The widgets read the mouse once per frame; a click pressed and released between two frames
    // is still seen as pressed once.
    glfwSetInputMode(window, GLFW_STICKY_MOUSE_BUTTONS, GLFW_TRUE);
    input::InstallEarlyCallbacks(window);
    glfwMakeContextCurrent(window);
    input::InstallContextCallbacks(window);
    if (!gladLoadGL(glfwGetProcAddress)) {
        glfwDestroyWindow(window);
        glfwTerminate();
        return -1;
    }
    gl_context::SetAvailable(true);
    SetFixedRenderState();
    StartImGui(window);
    SeedRandom(options.seed ? *options.seed : static_cast<unsigned>(std::time(nullptr)));
    BuildSystems(options);
    Engine& engine = Engine::Instance();
    engine.InitSystems();
    print("Engine: Init");
    if (Log* log = Log::Get()) log->EndStartup();
    SaveConfig();
    ApplyDisplaySettings();
    input::OnFramebufferSize(window, static_cast<int>(resolution.width), static_cast<int>(resolution.height));
    input::InstallCloseCallback(window);

    FrameClock clock;
    clock.Restart(glfwGetTime());
    long frames = 0;
    while (engine.running) {
        RunFrame(window, clock);
        if (options.frames && ++frames >= *options.frames) engine.running = false;
    }

    engine.ShutdownSystems();
    StopImGui();
    gl_context::SetAvailable(false);
    GameWindow() = nullptr;
    glfwTerminate();
    return 0;
}

}  // namespace

int RunApp(int argc, char** argv)
{
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    ParseOutcome parsed = ParseCommandLine(args);
    if (!parsed.error.empty()) {
        std::cerr << "primalites: " << parsed.error << "\nTry 'primalites --help'.\n";
        return 2;
    }
    const Options& options = parsed.options;
    const StartSetup startSetup = CombineStartSetup(options.level, options.setup);
    if (!startSetup.error.empty() && !options.help && !options.version) {
        std::cerr << "primalites: " << startSetup.error << "\nTry 'primalites --help'.\n";
        return 2;
    }
    if (options.help) {
        std::cout << UsageText();
        return 0;
    }
    if (options.version) {
        std::cout << "Primalites " << PRIMALITES_VERSION << "\n";
        return 0;
    }
    std::error_code ignored;
    // A relative save-folder variable means the folder the player started the game from.
    savefolder::RememberStartFolder(std::filesystem::current_path(ignored));
    MoveToExecutableFolder();
    if (options.checkData) return datacheck::RunAll(options.noGl);
    InstallSignalHandlers();
    return RunGame(options, startSetup.text);
}
