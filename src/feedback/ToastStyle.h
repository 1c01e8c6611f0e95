#pragma once

// Chooses the icon tint of the default toast appearance.
enum class ToastStyle { success, warning, error, info };

enum class ToastPlacement { bottom, top };
