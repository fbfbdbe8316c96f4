[playlist]
NumberOfEntries=2

File0=http://talk.example.com/morning
Title0=Morning Talk
Length0=-1

File1=http://talk.example.com/evening
Title1=Evening Talk
Length1=-1

Version=2
