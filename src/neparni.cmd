@echo off
rem Started by a double-click, the window would close as soon as the listing
rem is written: once the program has ended, wait for a key.
setlocal
"%~dp0bin\neparni.exe"
set status=%errorlevel%
echo.
pause
exit /b %status%
