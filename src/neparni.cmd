@echo off
rem A double-click opens a window that closes when the program ends, before
rem anyone could read the listing, so wait for a key.
setlocal
"%~dp0bin\neparni.exe"
set status=%errorlevel%
echo.
pause
exit /b %status%
